#include "FieldCommand.h"

#include <algorithm>
#include <chrono>

#include "FieldFile.h"
#include "FormationTops.h"
#include "FieldResult.h"
#include "FieldRun.h"
#include "StudyWriter.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// "[2/3] 15/9-F-11 A: 1533 Messwerte, 0.08 s"
std::string ProgressLine(size_t done, size_t count, const WellSummary& s)
{
    std::string line = Format("[%zu/%zu] ", done, count) + s.well + ": ";
    if (!s.prepared)
        return line + StatusText(s.status) + ": " + s.message;
    line += Format("%d Messwerte, %.2f s", s.measurements, s.seconds);
    if (s.status != WellStatus::Completed)
        line += std::string(", ") + StatusText(s.status) + ": " + s.message;
    if (s.pressureFailed)
        line += ", Druckdatei nicht verwendbar (siehe messages.txt)";
    return line;
}

} // namespace

int RunFieldCommand(const FieldOptions& options, std::ostream& progress, const FieldGraphExport& graphs)
{
    const auto start = std::chrono::steady_clock::now();
    std::string error;
    FieldStudy study;
    if (!ReadFieldFile(options.fieldFile, study, error)) {
        progress << error << '\n';
        return kFieldBadInput;
    }
    if (const std::optional<StudyClash> clash
        = FindStudyClash(options.outDir, study, options.templateFile, options.topsFile)) {
        progress << StudyClashMessage(*clash) << '\n';
        return kFieldBadInput;
    }
    FieldTemplate model;
    if (!options.templateFile.empty() && !LoadFieldTemplate(options.templateFile, model, error)) {
        progress << error << '\n';
        return kFieldBadInput;
    }
    std::vector<FormationTop> tops;
    TopsError topsError;
    if (!options.topsFile.empty() && !ReadFormationTopsFile(options.topsFile, tops, topsError)) {
        progress << TopsMessage(topsError, options.topsFile) << '\n';
        return kFieldBadInput;
    }
    // The output folder is checked and locked before any well is computed.
    FolderProblem problem;
    const std::unique_ptr<StudyWriter> writer = StudyWriter::Open(options.outDir, graphs, problem);
    if (!writer) {
        progress << FolderProblemMessage(problem) << '\n';
        return kFieldBadInput;
    }
    if (!graphs.Available())
        progress << "Diese Ausgabe von keldo-field kann keine Grafik speichern: nur Berichte und Übersicht.\n";

    FieldSettings settings;
    settings.cutoff = options.cutoff;
    settings.swCutoff = options.swCutoff;
    settings.shaleCutoff = options.shaleCutoff;
    settings.keepGraphs = graphs.Available();
    settings.tops = options.topsFile.empty() ? nullptr : &tops;
    const int jobs = options.jobs > 0 ? options.jobs : DefaultJobs();
    // Each well's files are written as it arrives; only its summary is kept.
    FieldResult result(study);
    bool writeFailed = false;
    RunField(study, options.templateFile.empty() ? nullptr : &model, settings, jobs, [&](WellOutcome&& outcome) {
        std::string writeError;
        if (!writer->WriteWell(outcome, writeError)) {
            progress << writeError << '\n';
            MarkNotWritten(outcome.summary, writeError);
            writeFailed = true;
        }
        result.TakeSummary(outcome);
        progress << ProgressLine(static_cast<size_t>(result.Tally().Arrived()), result.Size(), outcome.summary) << '\n'
                 << std::flush;
    });
    std::vector<WellSummary> rows = result.Summaries();
    std::vector<std::string> errors;
    if (!writer->Finish(rows, errors, !options.topsFile.empty()))
        writeFailed = true;
    for (const std::string& line : errors)
        progress << line << '\n';
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].status != result.Summaries()[i].status)
            result.Restate(i, rows[i]);

    const FieldTally tally = result.Tally();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::string notWritten = tally.notWritten > 0 ? Format(", %d nicht geschrieben", tally.notWritten) : "";
    progress << Format("Feldstudie: %zu Bohrungen, %d abgeschlossen, %d abgebrochen, %d nicht gelesen%s; %.2f s mit "
                       "%d Threads\n",
        result.Size(), tally.completed, tally.stopped, tally.unreadable, notWritten.c_str(), seconds,
        std::min<int>(jobs, static_cast<int>(result.Size())));
    // A pressure file that gives no level is an input of the well that
    // could not be used, as an unreadable row is, though the well's other
    // results stand.
    const bool pressureFailed
        = std::any_of(rows.begin(), rows.end(), [](const WellSummary& row) { return row.pressureFailed; });
    if (writeFailed || tally.unreadable > 0 || tally.notWritten > 0 || pressureFailed)
        return kFieldUnreadable;
    return tally.stopped > 0 ? kFieldStopped : kFieldCompleted;
}

} // namespace keldo
