#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "FieldOutputs.h"
#include "StudyFolder.h"

// Writing a study's folder, for keldo-field and the program's window alike:
// the folder is checked and locked before anything is computed (Open), each
// well's files go into the study being built as they come (WriteWell), and
// at the end the field chart, summary.csv (last, from what is on disk) and
// the marker are written and the study is put in the folder's place
// (Finish). A well whose files could not all be written is `not_written`.
namespace keldo {

// Makes `summary` say that the well's files could not all be written:
// status NotWritten, the one-line `error` as its message. Its numbers stay.
void MarkNotWritten(WellSummary& summary, const std::string& error);

class StudyWriter {
public:
    // Null with `problem` when `outDir` cannot take the study (StudyFolder).
    static std::unique_ptr<StudyWriter> Open(
        const std::string& outDir, const FieldGraphExport& graphs, FolderProblem& problem);

    // Writes the folder of one well. False with a German `error` that names
    // the file as it will stand in the output folder; the well is then
    // NotWritten in what Finish writes.
    bool WriteWell(const WellOutcome& outcome, std::string& error);

    // Writes the study's files of `rows` (WriteFieldOutputs; the study's
    // order; a well whose files are not all on disk is made NotWritten in
    // `rows` first; zones.csv for a study with formation tops, `zones`),
    // then puts the study in place of the output folder. Without
    // summary.csv nothing is put in place and an old study stays whole.
    // False with one German message per failure in `errors`.
    bool Finish(std::vector<WellSummary>& rows, std::vector<std::string>& errors, bool zones = false);

private:
    StudyWriter(std::unique_ptr<StudyFolder> folder, const FieldGraphExport& graphs);
    // A message about the study being built, naming files as they will stand.
    std::string Shown(std::string message) const;

    std::unique_ptr<StudyFolder> m_folder;
    FieldGraphExport m_graphs;
    std::map<size_t, std::string> m_failed; // well index → why its files are not all written
};

} // namespace keldo
