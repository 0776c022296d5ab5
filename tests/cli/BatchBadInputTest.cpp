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

    // Runs the executable with `args` (no quotes in them), after the shell
    // command `before`.
    BatchResult Batch(const std::string& args, const std::string& before = "") const
    {
        const std::string out = Path("stdout"), err = Path("stderr");
        const std::string command = before + "'" KELDO_BATCH_EXE "' " + args + " >'" + out + "' 2>'" + err + "'";
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

// A named pipe or an endless device as any input: refused before a byte is
// read, at once (a pipe without a writer held the tool for ever, /dev/zero
// grew it past gigabytes), with the file named and the reason in German.
TEST_F(BatchBadInput, PipesAndDevicesAsInputAreRefusedAtOnce)
{
    const std::string fifo = Path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string doc = GasExampleDocument();
    const std::string las = VolveWellLas("15_9-F-11_A");
    const struct {
        const char* what;
        std::string args;
        std::string named;
        int status;
    } cases[] = {
        {"document", fifo, fifo, 1},
        {"measurements from a pipe", "--measurements " + fifo + " " + doc, fifo, 2},
        {"measurements from /dev/zero", "--measurements /dev/zero " + doc, "/dev/zero", 2},
        {"LAS file", "--las " + fifo + " " + doc, fifo, 1},
        {"survey", "--las " + las + " --survey /dev/zero " + doc, "/dev/zero", 1},
        {"core table from a pipe", "--core " + fifo + " --fit-phik " + doc, fifo, 1},
        {"core table from /dev/zero", "--core /dev/zero --fit-phik " + doc, "/dev/zero", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const BatchResult run = Batch("--mode contact " + c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Das ist keine gewöhnliche Datei."), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

// Out of memory (here a limit on the address space far below what 2 million
// measurement lines need) ends the tool with one German message and status
// 1, not an abort with the library's English.
TEST_F(BatchBadInput, OutOfMemoryEndsWithOneGermanMessage)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "a sanitizer reserves far more address space than the limit";
#endif
    // The tool with its libraries starts in less; the lines need about 200 MB more.
    constexpr long kAddressSpaceKiB = 200'000;
    {
        std::ofstream out(Path("long.txt"), std::ios::binary);
        for (int i = 0; i < 2'000'000; ++i)
            out << 1000 + i << ".000 0.25000 0.50000" << std::string(60, ' ') << "\n";
    }
    const BatchResult run
        = Batch("--mode contact --ascending --measurements " + Path("long.txt") + " " + GasExampleDocument(),
            "ulimit -v " + std::to_string(kAddressSpaceKiB) + ";");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "ABBRUCH!!Der Arbeitsspeicher reicht nicht aus; die Arbeit wurde abgebrochen.\n");
    EXPECT_EQ(run.out, "");
}
