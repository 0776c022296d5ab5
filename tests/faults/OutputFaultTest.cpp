// Every output of keldo-batch and keldo-field under faults that hold for
// root too: a file size limit at several sizes (with SIGXFSZ at its default,
// as a shell leaves it), a full disk (a small tmpfs, where it can be
// mounted), a folder or a pipe in the output's place, a symbolic link out of
// the output folder. An old file of the same name survives byte for byte,
// the message names the file and the reason, the exit status is not 0, and
// no temporary file is left. keldo-field's folder holds one study whole: the
// old one, or the new one with each well's files complete or the well
// `not_written`; a folder with anything in it a study did not write is
// refused and left alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <sys/mount.h>
#include <cstdio>
#include <sys/stat.h>

#include "CsvFields.h"
#include "ScratchFolder.h"
#include "StudyFolder.h"
#include "ToolProcess.h"
#include "WellDataTestFiles.h"

namespace fs = std::filesystem;

namespace {

// An output and the message of a failed write of it.
struct Output {
    std::string file; // below the output folder
    std::function<std::string(const std::string& path, const std::string& reason)> failure;
};

std::string ReportFailure(const std::string& path, const std::string& reason)
{
    return "Der Bericht kann nicht in die Datei " + path + " geschrieben werden.\n" + reason + "\n";
}
std::string DocumentFailure(const std::string& path, const std::string& reason)
{
    return "Das Dokument \"" + path + "\" kann nicht gespeichert werden.\n" + reason + "\n";
}
std::string GraphFailure(const std::string& path, const std::string& reason)
{
    return "Die Grafik kann nicht in die Datei " + path + " geschrieben werden.\n" + reason + "\n";
}
std::string FieldFileFailure(const std::string& path, const std::string& reason)
{
    return "Die Datei \"" + path + "\" kann nicht geschrieben werden.\n" + reason + "\n";
}

// One run of a tool and the outputs it writes into its output folder.
struct Job {
    std::string name;
    std::function<std::vector<std::string>(const std::string& out)> args;
    std::vector<Output> outputs;
    bool study = false; // the outputs make a study's folder (keldo-field)
};

std::ostream& operator<<(std::ostream& os, const Job& job) { return os << job.name; }

std::vector<std::string> Batch(std::vector<std::string> args)
{
    args.insert(args.begin(), KELDO_BATCH_EXE);
    return args;
}

// keldo-field on the gas example, its field file beside the output folder.
std::vector<std::string> Field(const std::string& out)
{
    const std::string fieldFile = (fs::path(out).parent_path() / "feld.csv").string();
    WriteBytes(fieldFile, "well,document\nF-12," + GasExampleDocument() + "\n");
    return {KELDO_FIELD_EXE, fieldFile, "--out", out};
}

std::vector<Job> Jobs()
{
    std::vector<Job> jobs = {
        {"report", [](const std::string& out) { return Batch({"--report", out + "/bericht.txt", GasExampleDocument()}); },
            {{"bericht.txt", ReportFailure}}},
        {"document",
            [](const std::string& out) { return Batch({"--save-as", out + "/dokument.kld", GasExampleDocument()}); },
            {{"dokument.kld", DocumentFailure}}},
    };
#ifdef KELDO_GRAPH_EXPORT
    for (const std::string ext : {"svg", "png", "pdf"}) {
        jobs.push_back({"graph_" + ext,
            [ext](const std::string& out) { return Batch({"--graph", out + "/grafik." + ext, GasExampleDocument()}); },
            {{"grafik." + ext, GraphFailure}}});
        // Both fits of 15/9-F-11 A from its LAS file: two graphs.
        jobs.push_back({"fit_" + ext,
            [ext](const std::string& out) {
                return Batch({"--las", VolveWellLas("15_9-F-11_A"), "--survey", VolveWellSurvey("15_9-F-11_A"),
                    "--elevation", "auto", "--fit-phik", "--fit-contact", "--fit-graph", out + "/fit." + ext,
                    OilExampleDocument()});
            },
            {{"fit-phik." + ext, GraphFailure}, {"fit-kontakt." + ext, GraphFailure}}});
    }
#endif
    Job field{"field", Field,
        {{"summary.csv", FieldFileFailure}, {"netpay.csv", FieldFileFailure}, {"F-12/messages.txt", FieldFileFailure},
            {"F-12/saturation.txt", FieldFileFailure}, {"F-12/contact.txt", FieldFileFailure},
            {"F-12/curves.las", FieldFileFailure}}};
#ifdef KELDO_GRAPH_EXPORT
    for (const char* name : {"field.svg", "field.png", "field.pdf", "F-12/saturation.svg", "F-12/contact.svg"})
        field.outputs.push_back({name, GraphFailure});
#endif
    field.study = true;
    jobs.push_back(field);
    return jobs;
}

// A PDF's creation date is the time it was written.
std::string Comparable(const std::string& file, std::string bytes)
{
    if (file.size() > 4 && file.compare(file.size() - 4, 4, ".pdf") == 0) {
        const size_t at = bytes.find("/CreationDate (");
        if (at != std::string::npos)
            bytes.erase(at, bytes.find(')', at) - at);
    }
    return bytes;
}

std::string OldBytes(const std::string& file) { return "alte Ausgabe " + file + "\n"; }

// Every path below `folder`, relative to it.
std::set<std::string> Tree(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.insert(fs::relative(entry.path(), folder).string());
    return names;
}

class OutputFaults : public ::testing::TestWithParam<Job> {
protected:
    ScratchFolder scratch;

    const Job& job() const { return GetParam(); }

    // The outputs of a run without faults, as compared.
    const std::map<std::string, std::string>& Reference()
    {
        if (m_reference.empty()) {
            const std::string out = scratch.file("referenz");
            fs::create_directory(out);
            const ToolRun run = RunToolProcess(job().args(out));
            EXPECT_EQ(run.status, 0) << run.err;
            for (const Output& o : job().outputs)
                m_reference[o.file] = Comparable(o.file, ReadBytes(out + "/" + o.file));
        }
        return m_reference;
    }

    // A fresh output folder below `parent` with an old file under every output's name.
    std::string FolderWithOldFiles(const fs::path& parent, const std::string& name)
    {
        const fs::path out = parent / name;
        fs::create_directories(out);
        std::vector<std::string> names;
        for (const Output& o : job().outputs) {
            fs::create_directories((out / o.file).parent_path());
            WriteBytes((out / o.file).string(), OldBytes(o.file));
            names.push_back(o.file);
        }
        if (job().study)
            WriteBytes((out / keldo::kStudyMarker).string(), keldo::StudyMarkerText(names));
        return out.string();
    }

    // keldo-field's folder after a run that failed on some outputs: the old
    // study whole, or the new one, each of its files complete; a well with a
    // file missing is not_written, its message naming the file and `reason`.
    // Nothing is left beside the folder.
    void ExpectOneStudy(const ToolRun& run, const std::string& out, const std::string& reason)
    {
        EXPECT_EQ(run.signal, 0) << "ended by a signal";
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.status, 1) << run.err;
        const auto& reference = Reference();
        const std::string summary = ReadBytes(out + "/summary.csv");
        std::set<std::string> expected = {keldo::kStudyMarker};
        if (summary == OldBytes("summary.csv")) {
            for (const Output& o : job().outputs) {
                EXPECT_EQ(ReadBytes(out + "/" + o.file), OldBytes(o.file)) << o.file << " of the old study";
                for (fs::path p = o.file; !p.empty(); p = p.parent_path())
                    expected.insert(p.string());
            }
        } else {
            std::istringstream lines(summary);
            std::string line;
            std::vector<std::string> header, fields;
            ASSERT_TRUE(std::getline(lines, line));
            keldo::SplitCsvLine(line, ',', header);
            ASSERT_TRUE(std::getline(lines, line));
            keldo::SplitCsvLine(line, ',', fields);
            const auto column = [&](const char* name) {
                const auto at = std::find(header.begin(), header.end(), name);
                return at == header.end() || size_t(at - header.begin()) >= fields.size() ? std::string()
                                                                                          : fields[size_t(at - header.begin())];
            };
            const bool complete = column("status") == "completed";
            if (!complete) {
                EXPECT_EQ(column("status"), "not_written");
                EXPECT_NE(column("message").find(reason), std::string::npos) << column("message");
            }
            for (const Output& o : job().outputs) {
                const std::string path = out + "/" + o.file;
                if (!fs::exists(path)) {
                    EXPECT_FALSE(complete) << o.file << " is missing from a completed well";
                    EXPECT_NE(o.file.find('/'), std::string::npos) << o.file << " of the study is missing";
                    for (fs::path p = fs::path(o.file).parent_path(); !p.empty(); p = p.parent_path())
                        if (fs::is_directory(out + "/" + p.string()))
                            expected.insert(p.string());
                    continue;
                }
                if (o.file != "summary.csv") {
                    EXPECT_EQ(Comparable(o.file, ReadBytes(path)), reference.at(o.file)) << o.file << " is half-written";
                }
                for (fs::path p = o.file; !p.empty(); p = p.parent_path())
                    expected.insert(p.string());
            }
        }
        bool named = false;
        for (const Output& o : job().outputs)
            named = named || run.err.find(o.failure(out + "/" + o.file, reason)) != std::string::npos;
        EXPECT_TRUE(named) << "no message names a file and says: " << reason << "\n" << run.err;
        EXPECT_EQ(Tree(out), expected) << "left behind in the output folder";
        for (const auto& entry : fs::directory_iterator(fs::path(out).parent_path()))
            EXPECT_NE(entry.path().filename().string().rfind(".", 0), 0u) << entry.path() << " left beside the folder";
    }

    // What keldo-field says of a folder that holds `entry`, which no study wrote.
    static std::string Foreign(const std::string& out, const std::string& entry)
    {
        return "Der Ausgabeordner \"" + out + "\" enthält \"" + entry
            + "\", das nicht von einer Feldstudie stammt; bitte einen leeren oder neuen Ordner nennen.\n";
    }

    // After a run that failed on some outputs: each output holds its old
    // bytes or the complete new ones (the old ones when the new cannot fit
    // into `room` bytes), at least one failure names its file and `reason`,
    // and the folder holds nothing else.
    void ExpectOldOrComplete(const ToolRun& run, const std::string& out, const std::string& reason, size_t room)
    {
        EXPECT_EQ(run.signal, 0) << "ended by a signal";
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.status, 1) << run.err;
        const auto& reference = Reference();
        std::set<std::string> expected;
        bool named = false;
        for (const Output& o : job().outputs) {
            const std::string path = out + "/" + o.file;
            const std::string bytes = ReadBytes(path);
            if (bytes != OldBytes(o.file)) {
                EXPECT_EQ(Comparable(o.file, bytes), reference.at(o.file)) << o.file << " is half-written";
                EXPECT_LE(bytes.size(), room) << o.file;
            }
            if (run.err.find(o.failure(path, reason)) != std::string::npos) {
                named = true;
                EXPECT_EQ(bytes, OldBytes(o.file)) << o.file << " is reported as failed but was replaced";
            }
            for (fs::path p = o.file; !p.empty(); p = p.parent_path())
                expected.insert(p.string());
        }
        EXPECT_TRUE(named) << "no message names a file and says: " << reason << "\n" << run.err;
        EXPECT_EQ(Tree(out), expected) << "left behind in the output folder";
    }

private:
    std::map<std::string, std::string> m_reference;
};

// Nothing, half of an output, all of an output but its last byte.
std::set<rlim_t> Limits(const std::map<std::string, std::string>& reference)
{
    std::set<rlim_t> limits{0};
    for (const auto& [file, bytes] : reference)
        if (bytes.size() >= 2) {
            limits.insert(bytes.size() / 2);
            limits.insert(bytes.size() - 1);
        }
    return limits;
}

} // namespace

TEST_P(OutputFaults, AFileSizeLimitKeepsTheOldFiles)
{
    for (const rlim_t limit : Limits(Reference())) {
        SCOPED_TRACE(testing::Message() << "limit " << limit << " bytes");
        const std::string out = FolderWithOldFiles(scratch.path(), "aus" + std::to_string(limit));
        const ToolRun run = RunToolProcess(job().args(out), limit);
        if (job().study)
            ExpectOneStudy(run, out, "Die Datei ist zu groß.");
        else
            ExpectOldOrComplete(run, out, "Die Datei ist zu groß.", limit);
    }
}

TEST_P(OutputFaults, AFullDiskKeepsTheOldFiles)
{
    const fs::path disk = scratch.path() / "disk";
    fs::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here (it needs root)";
    struct Unmount {
        fs::path disk;
        ~Unmount() { ::umount2(disk.c_str(), MNT_DETACH); }
    } unmount{disk};
    // Room for half of the largest output, in whole pages of the tmpfs: that
    // output is cut off part-way, as on a disk that fills up during the run,
    // smaller ones may still fit.
    size_t largest = 0;
    for (const auto& [file, bytes] : Reference())
        largest = std::max(largest, bytes.size());
    const size_t room = largest / 2 / 4096 * 4096;
    const std::string out = FolderWithOldFiles(disk, "aus");
    const std::vector<std::string> args = job().args(out);
    const std::string filler = (disk / "fueller").string();
    {
        FILE* f = std::fopen(filler.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        const std::string block(4096, 'f');
        while (std::fwrite(block.data(), 1, block.size(), f) == block.size() && std::fflush(f) == 0) {
        }
        std::fclose(f);
    }
    fs::resize_file(filler, fs::file_size(filler) >= room ? fs::file_size(filler) - room : 0);
    const ToolRun run = RunToolProcess(args);
    if (job().study)
        ExpectOneStudy(run, out, "Der Datenträger ist voll.");
    else
        ExpectOldOrComplete(run, out, "Der Datenträger ist voll.", room);
}

TEST_P(OutputFaults, AFolderInAnOutputsPlaceStaysAndIsNamed)
{
    for (const Output& o : job().outputs) {
        SCOPED_TRACE(o.file);
        const std::string out = scratch.file("ordner");
        fs::remove_all(out);
        fs::create_directories(out + "/" + o.file);
        const ToolRun run = RunToolProcess(job().args(out));
        EXPECT_TRUE(fs::is_directory(out + "/" + o.file));
        if (job().study) {
            // no study wrote it: the folder is refused before anything is computed
            EXPECT_EQ(run.status, 2) << run.err;
            EXPECT_EQ(run.err, Foreign(out, fs::path(o.file).begin()->string()));
            const fs::path file = o.file;
            EXPECT_EQ(Tree(out).size(), size_t(std::distance(file.begin(), file.end())));
            continue;
        }
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find(o.failure(out + "/" + o.file, "Unter diesem Namen gibt es einen Ordner, keine Datei.")),
            std::string::npos)
            << run.err;
        EXPECT_TRUE(fs::is_directory(out + "/" + o.file));
    }
}

TEST_P(OutputFaults, APipeInAnOutputsPlaceIsRefusedWithoutWaiting)
{
    for (const Output& o : job().outputs) {
        if (o.failure("", "") == ReportFailure("", ""))
            continue; // a report is written through a pipe, as into /dev/stdout
        SCOPED_TRACE(o.file);
        const std::string out = scratch.file("rohr");
        fs::remove_all(out);
        fs::create_directories(fs::path(out + "/" + o.file).parent_path());
        ASSERT_EQ(::mkfifo((out + "/" + o.file).c_str(), 0600), 0);
        const ToolRun run = RunToolProcess(job().args(out), RLIM_INFINITY, std::chrono::seconds(60));
        EXPECT_FALSE(run.timedOut);
        if (job().study) {
            EXPECT_EQ(run.status, 2) << run.err;
            EXPECT_EQ(run.err, Foreign(out, fs::path(o.file).begin()->string()));
            EXPECT_TRUE(fs::is_fifo(out + "/" + o.file));
            continue;
        }
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find(o.failure(out + "/" + o.file, "Das ist keine gewöhnliche Datei.")), std::string::npos)
            << run.err;
        EXPECT_TRUE(fs::is_fifo(out + "/" + o.file));
    }
}

TEST_P(OutputFaults, ALinkOutOfTheOutputFolderIsReplacedNotFollowed)
{
    const auto& reference = Reference();
    const std::string out = scratch.file("links");
    const std::string outside = scratch.file("draussen");
    fs::create_directories(outside);
    std::vector<std::string> names;
    for (const Output& o : job().outputs) {
        const std::string precious = outside + "/" + fs::path(o.file).filename().string();
        WriteBytes(precious, OldBytes(o.file));
        fs::create_directories(fs::path(out + "/" + o.file).parent_path());
        fs::create_symlink(precious, out + "/" + o.file);
        names.push_back(o.file);
    }
    // keldo-field's folder is an earlier study's, its files turned into links.
    if (job().study)
        WriteBytes(out + "/" + keldo::kStudyMarker, keldo::StudyMarkerText(names));
    const ToolRun run = RunToolProcess(job().args(out));
    EXPECT_EQ(run.status, 0) << run.err;
    for (const Output& o : job().outputs) {
        EXPECT_EQ(ReadBytes(outside + "/" + fs::path(o.file).filename().string()), OldBytes(o.file)) << o.file;
        EXPECT_FALSE(fs::is_symlink(out + "/" + o.file)) << o.file;
        EXPECT_EQ(Comparable(o.file, ReadBytes(out + "/" + o.file)), reference.at(o.file)) << o.file;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryOutput, OutputFaults, ::testing::ValuesIn(Jobs()),
    [](const ::testing::TestParamInfo<Job>& info) { return info.param.name; });

TEST(OutputOverInput, KeldoBatchRefusesAnOutputOverAnInputOrAnotherOutput)
{
    ScratchFolder dir;
    const std::string document = dir.file("bohrung.kld");
    fs::copy_file(GasExampleDocument(), document);
    const std::string bytes = ReadBytes(document);
    const std::string fresh = dir.file("neu.kld");
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {Batch({"--report", document, document}),
            "--report \"" + document + "\" würde die Eingabedatei \"" + document
                + "\" (Dokument) überschreiben; bitte eine andere Ausgabedatei nennen.\n"},
        {Batch({"--save-as", fresh, "--report", fresh, document}),
            "--report \"" + fresh + "\" und --save-as \"" + fresh
                + "\" nennen dieselbe Datei; bitte verschiedene Ausgabedateien nennen.\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunToolProcess(c.args);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_EQ(run.err, c.message);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(ReadBytes(document), bytes);
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"bohrung.kld"});
    }
}
