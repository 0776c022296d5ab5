// Every reader of a user's file on a named pipe, a device and a folder: each
// is refused at once (a pipe without a writer would hold the reader for
// ever, /dev/zero never ends), with a message that names the file and says
// what it is; "existiert nicht" only for a file that is not there.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "KeldoDoc.h"
#include "CoreTable.h"
#include "DocumentFile.h"
#include "FieldFile.h"
#include "FieldTemplate.h"
#include "LasReader.h"
#include "MeasurementImport.h"
#include "RecordingMessageBox.h"
#include "ResultsFile.h"
#include "ScratchFolder.h"
#include "SurveyReader.h"

namespace {

// A reader run on `path`: its message, empty when it read the file.
using Reader = std::function<std::string(const std::string& path)>;

std::string ReadDocument(const std::string& path)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    const keldo::FileResult result = keldo::LoadDocument(path, doc);
    return result ? std::string() : result.Message();
}

std::string ReadMeasurements(const std::string& path)
{
    RecordingMessageBox box;
    std::vector<std::string> lines;
    return keldo::ImportMeasurementFile(path, false, box, lines) || box.shown.empty() ? std::string() : box.shown[0];
}

std::string ReadLas(const std::string& path)
{
    keldo::LasLog log;
    keldo::WellDataError error;
    return keldo::ReadLasFile(path, keldo::KeepAllCurves(), log, error) ? std::string() : error.Message();
}

std::string ReadSurvey(const std::string& path)
{
    std::vector<keldo::SurveyStation> stations;
    keldo::WellDataError error;
    return keldo::ReadSurveyFile(path, stations, error) ? std::string() : error.Message();
}

std::string ReadCore(const std::string& path)
{
    std::vector<keldo::PhiKSample> samples;
    keldo::CoreTableError error;
    return keldo::ReadCoreTable(path, samples, error) ? std::string() : error.Message();
}

std::string ReadField(const std::string& path)
{
    keldo::FieldStudy study;
    std::string error;
    return keldo::ReadFieldFile(path, study, error) ? std::string() : error;
}

std::string ReadTemplate(const std::string& path)
{
    keldo::FieldTemplate model;
    std::string error;
    return keldo::LoadFieldTemplate(path, model, error) ? std::string() : error;
}

// "aus.txt" is read from a folder: the path given is the file's, its folder
// is read.
std::string ReadResults(const std::string& path)
{
    std::vector<std::string> lines;
    const keldo::FileResult result
        = keldo::ReadResultsFile(std::filesystem::path(path).parent_path().string(), lines);
    return result ? std::string() : result.Message();
}

struct ReaderCase {
    const char* what;
    Reader read;
    // The message names its file in one of two ways: as the path, or as
    // "aus.txt", the only results file there is.
    bool namesPath;
};

const ReaderCase kReaders[] = {
    {"document", ReadDocument, true},
    {"measurement file", ReadMeasurements, true},
    {"LAS file", ReadLas, true},
    {"survey", ReadSurvey, true},
    {"core table", ReadCore, true},
    {"field file", ReadField, true},
    {"model template", ReadTemplate, true},
    {"results file", ReadResults, false},
};

struct InputCase {
    const char* what;
    std::function<std::string(const ScratchFolder&)> make; // the path to read
    const char* reason;
};

const InputCase kInputs[] = {
    {"named pipe",
        [](const ScratchFolder& dir) {
            const std::string path = dir.file("aus.txt");
            EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
            return path;
        },
        "Das ist keine gewöhnliche Datei."},
    {"endless device", [](const ScratchFolder&) { return std::string("/dev/zero"); },
        "Das ist keine gewöhnliche Datei."},
    {"folder",
        [](const ScratchFolder& dir) {
            const std::string path = dir.file("aus.txt");
            std::filesystem::create_directory(path);
            return path;
        },
        "Unter diesem Namen gibt es einen Ordner, keine Datei."},
    {"missing", [](const ScratchFolder& dir) { return dir.file("aus.txt"); },
        "Die Datei oder der Ordner existiert nicht."},
};

} // namespace

TEST(NonRegularInput, EveryReaderRefusesPipesDevicesAndFoldersAtOnceSayingWhat)
{
    for (const ReaderCase& reader : kReaders) {
        for (const InputCase& input : kInputs) {
            const bool endless = std::string(input.what) == "endless device";
            if (endless && !reader.namesPath)
                continue; // "aus.txt" is always a file in a folder
            SCOPED_TRACE(std::string(reader.what) + " on a " + input.what);
            ScratchFolder dir;
            const std::string path = input.make(dir);
            const std::string message = reader.read(path);
            const bool missing = std::string(input.what) == "missing";
            const bool folder = std::string(input.what) == "folder";
            if ((missing || folder) && !reader.namesPath) {
                EXPECT_EQ(message, ""); // no results yet: no lines, no failure
                continue;
            }
            if ((missing || folder)
                && (std::string(reader.what) == "measurement file" || std::string(reader.what) == "core table")) {
                // The input dialog's message of old, without a reason.
                EXPECT_EQ(message, "ABBRUCH!!Die Datei " + path + " kann nicht gelesen werden!");
                continue;
            }
            EXPECT_NE(message.find(reader.namesPath ? path : std::string("aus.txt")), std::string::npos) << message;
            EXPECT_NE(message.find(input.reason), std::string::npos) << message;
            if (!missing) {
                EXPECT_EQ(message.find("existiert nicht"), std::string::npos) << message;
            }
        }
    }
}
