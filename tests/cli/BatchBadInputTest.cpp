// keldo-batch itself on bad input: the exit status a script can rely on and
// one clear German message on standard error.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "BatchRun.h"
#include "DocumentFile.h"
#include "FileResultCheck.h"
#include "RecordingMessageBox.h"
#include "WellDataTestFiles.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct BatchResult {
    int status = -1;
    std::string out;
    std::string err;
};

class BatchBadInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "keldo-batch-bad-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    // Runs the executable with `args` (no quotes in them).
    BatchResult Batch(const std::string& args) const
    {
        const std::string out = Path("stdout"), err = Path("stderr");
        const std::string command = "'" KELDO_BATCH_EXE "' " + args + " >'" + out + "' 2>'" + err + "'";
        const int raw = std::system(command.c_str());
        BatchResult run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadText(out);
        run.err = ReadText(err);
        return run;
    }

    // The example well with one change, saved under `name`.
    std::string ChangedExample(const std::string& name, void (*change)(CKeldoDoc&)) const
    {
        RecordingMessageBox box;
        CKeldoDoc doc(box);
        EXPECT_TRUE(Succeeded(keldo::LoadDocument(GasExampleDocument(), doc)));
        change(doc);
        const std::string path = Path(name);
        EXPECT_TRUE(Succeeded(keldo::SaveDocument(path, doc)));
        return path;
    }

private:
    fs::path m_dir;
};

} // namespace

TEST_F(BatchBadInput, MissingDocumentExitsWithOne)
{
    const std::string missing = Path("gibt-es-nicht.kld");
    BatchResult run = Batch(missing);
    EXPECT_EQ(run.status, keldo::kBatchUnreadable);
    EXPECT_EQ(run.err,
        "Das Dokument \"" + missing + "\" kann nicht geöffnet werden.\nDie Datei oder der Ordner existiert nicht.\n");
    EXPECT_EQ(run.out, "");
}

TEST_F(BatchBadInput, DamagedDocumentExitsWithOne)
{
    std::ofstream(Path("leer.kld"));
    BatchResult run = Batch(Path("leer.kld"));
    EXPECT_EQ(run.status, keldo::kBatchUnreadable);
    EXPECT_EQ(run.err, "Das Dokument \"" + Path("leer.kld") + "\" kann nicht geöffnet werden.\nDie Datei ist leer.\n");
    EXPECT_EQ(run.out, "");
}

TEST_F(BatchBadInput, NonFiniteNumberIsRefusedByItsField)
{
    const std::string path = ChangedExample(
        "nan.kld", [](CKeldoDoc& doc) { doc.m_fTemperatur = std::numeric_limits<float>::quiet_NaN(); });
    BatchResult run = Batch(path);
    EXPECT_EQ(run.status, keldo::kBatchRefused);
    EXPECT_EQ(run.err, "Das Feld \"Lagerstättentemperatur (°C)\" enthält keine gültige Zahl!\n");
    EXPECT_EQ(run.out, "");
}

TEST_F(BatchBadInput, FluidNeitherGasNorOilIsRefused)
{
    // Before, this ran as oil with the file's gas density of 0.6 kg/m3.
    const std::string path = ChangedExample("fluid7.kld", [](CKeldoDoc& doc) { doc.m_nFluid = 7; });
    BatchResult run = Batch(path);
    EXPECT_EQ(run.status, keldo::kBatchRefused);
    EXPECT_EQ(run.err,
        "ABBRUCH!!Bitte wählen Sie die Berechnung des Gas/Wasserkontaktes "
        "oder des Öl/Wasserkontaktes!\n");
    EXPECT_EQ(run.out, "");
}

TEST_F(BatchBadInput, MeasurementFilesFromOtherPrograms)
{
    // Byte-order mark and CR LF: read like any other file.
    std::ofstream(Path("bom.txt"), std::ios::binary) << "\xEF\xBB\xBF"
                                                        "2900 0.2 0.5\r\n2890 0.21 0.4\r\n";
    BatchResult run = Batch("--measurements '" + Path("bom.txt") + "' '" + GasExampleDocument() + "'");
    EXPECT_EQ(run.status, keldo::kBatchCompleted) << run.err;
    EXPECT_NE(run.out.find("\n  2900.0    0.200 "), std::string::npos);

    // Decimal commas: refused with the line shown and the decimal point
    // suggested, nothing computed.
    std::ofstream(Path("komma.txt"), std::ios::binary) << "2900 0,2 0,5\r\n2890 0,21 0,4\r\n";
    run = Batch("--measurements '" + Path("komma.txt") + "' '" + GasExampleDocument() + "'");
    EXPECT_EQ(run.status, keldo::kBatchRefused);
    EXPECT_EQ(run.err,
        "Die Zeile enhält keine 3 Werte\n 2900 0,2 0,5\n"
        "Bitte den Dezimalpunkt verwenden: 0.2 statt 0,2\n");
    EXPECT_EQ(run.out, "");
}

TEST_F(BatchBadInput, PermeabilityCurveWithoutLasIsAUsageError)
{
    const BatchResult run = Batch(
        "--fit-phik --permeability-curve KLOGH --save-as '" + Path("nie.kld") + "' '" + GasExampleDocument() + "'");
    EXPECT_EQ(run.status, keldo::kBatchRefused);
    EXPECT_EQ(run.err.rfind("keldo-batch: --permeability-curve braucht --las: die Permeabilitätskurve ist eine Kurve "
                            "der LAS-Datei\n\nAufruf: keldo-batch",
                  0),
        0u)
        << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(Path("nie.kld")));
}
