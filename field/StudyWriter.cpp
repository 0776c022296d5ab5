#include "StudyWriter.h"

#include <sys/stat.h>

#include "FileAccess.h"

namespace keldo {
namespace {

bool IsRegularFile(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The first file a well must have on disk that is missing: its messages;
// the two reports and the curves of a well that was computed; the pressure
// block of a well whose pressure file gave a level. Empty when all are there.
std::string MissingWellFile(const std::string& root, const WellSummary& row)
{
    std::vector<std::string> names = {"messages.txt"};
    if (row.status == WellStatus::Completed || row.status == WellStatus::Stopped) {
        names.insert(names.end(), {"saturation.txt", "contact.txt", "curves.las"});
        if (row.freeWaterLevel)
            names.push_back("pressure.txt");
    }
    for (const std::string& name : names)
        if (!IsRegularFile(root + "/" + row.folder + "/" + name))
            return row.folder + "/" + name;
    return {};
}

} // namespace

void MarkNotWritten(WellSummary& summary, const std::string& error)
{
    summary.status = WellStatus::NotWritten;
    summary.message = error;
    for (char& c : summary.message)
        if (c == '\n')
            c = ' ';
}

std::unique_ptr<StudyWriter> StudyWriter::Open(
    const std::string& outDir, const FieldGraphExport& graphs, FolderProblem& problem)
{
    std::unique_ptr<StudyFolder> folder = StudyFolder::Open(outDir, problem);
    if (!folder)
        return nullptr;
    return std::unique_ptr<StudyWriter>(new StudyWriter(std::move(folder), graphs));
}

StudyWriter::StudyWriter(std::unique_ptr<StudyFolder> folder, const FieldGraphExport& graphs)
    : m_folder(std::move(folder)), m_graphs(graphs)
{
}

std::string StudyWriter::Shown(std::string message) const
{
    // The study is built under a hidden name; the user knows the folder by
    // the name it gets at the end.
    const std::string building = m_folder->Building() + "/";
    const std::string shown = m_folder->Shown() + "/";
    for (size_t at = message.find(building); at != std::string::npos; at = message.find(building, at + shown.size()))
        message.replace(at, building.size(), shown);
    return message;
}

bool StudyWriter::WriteWell(const WellOutcome& outcome, std::string& error)
{
    if (WriteWellOutputs(m_folder->Building(), outcome, m_graphs, error))
        return true;
    error = Shown(error);
    m_failed[outcome.index] = error;
    return false;
}

bool StudyWriter::Finish(std::vector<WellSummary>& rows, std::vector<std::string>& errors, bool zones)
{
    const std::string& root = m_folder->Building();
    for (size_t i = 0; i < rows.size(); ++i) {
        WellSummary& row = rows[i];
        if (const auto failed = m_failed.find(i); failed != m_failed.end()) {
            MarkNotWritten(row, failed->second);
            continue;
        }
        if (row.status == WellStatus::NotRun || row.status == WellStatus::NotWritten)
            continue;
        if (const std::string missing = MissingWellFile(root, row); !missing.empty()) {
            const std::string error = "Die Datei \"" + m_folder->Shown() + "/" + missing + "\" fehlt.";
            MarkNotWritten(row, error);
            errors.push_back(error);
        }
    }
    // The chart first, summary.csv last: a study is put in place only with
    // its summary on disk.
    std::string error;
    if (!WriteFieldOutputs(root, rows, m_graphs, error, zones))
        errors.push_back(Shown(error));
    struct stat st {};
    if (::lstat((root + "/summary.csv").c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    FolderProblem problem;
    if (!m_folder->Commit(problem)) {
        errors.push_back(FolderProblemMessage(problem));
        return false;
    }
    return errors.empty();
}

} // namespace keldo
