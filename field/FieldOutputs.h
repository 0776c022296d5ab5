#pragma once
#include <optional>
#include <string>
#include <vector>

#include "FieldWell.h"
#include "GraphPrimitives.h"
#include "WellRun.h"

class CKeldoDoc;

// The output folder of a study:
//   summary.csv                      the summary (SummaryTable.h)
//   netpay.csv                       net pay, one row per well (NetPayReport.h)
//   zones.csv                        with formation tops: one row per well and zone
//   field.svg, field.png, field.pdf  the field chart
//   <folder>/saturation.txt          the reports, as keldo-batch prints them
//   <folder>/contact.txt
//   <folder>/saturation.svg          the graphs of the two runs
//   <folder>/contact.svg
//   <folder>/curves.las              the curves of every measurement (CurvesLas.h)
//   <folder>/pressure.txt            for a row with a pressure file that gives a level:
//                                    the block keldo-batch --fit-pressure prints
//   <folder>/messages.txt            every message of the well, one a line
// Every file is written beside its target and renamed at the end
// (ReplaceFile), so a failure leaves no half-written file and keeps the old
// one. Nothing is written through a symbolic link: a link in place of a file
// or of a well's folder is replaced, the file or folder it points at stays.
namespace keldo {

// Saving graphs needs Qt, which the field library does without: the front
// ends hand in these two functions. Without them no graph is written.
struct FieldGraphExport {
    bool (*exportGraph)(CKeldoDoc& doc, const std::string& path, std::string& error) = nullptr;
    bool (*exportPage)(const GraphPage& page, const std::string& path, std::string& error) = nullptr;
    bool Available() const { return exportGraph && exportPage; }
};

// An input of the study that one of its outputs would overwrite.
struct StudyClash {
    enum class Source { FieldFile, Template, Row, Tops };
    std::string output; // the file the study would write
    std::string input;  // the input, as named
    Source source = Source::Row;
    int line = 0; // of the row, for Source::Row
    FieldColumn column = FieldColumn::Document;
};

// The first input (the field file, the template, the tops file, a row's
// document, LAS file, survey or pressure file) that is the same file (FileIdentity.h) as a file the study
// would write into `outDir`: summary.csv, the field chart or a file in a
// well's folder. Nothing when no output names an input.
std::optional<StudyClash> FindStudyClash(const std::string& outDir, const FieldStudy& study,
    const std::string& templateFile, const std::string& topsFile = {});

// "Die Ausgabe "…" würde die Felddatei "…" überschreiben; …", for a row
// with its line and column.
std::string StudyClashMessage(const StudyClash& clash);

// Creates `folder` (and the folders above it). False with a German `error`.
bool MakeFolder(const std::string& folder, std::string& error);

// Writes the folder of one computed well into `outDir`. A well that could
// not be read gets only its messages; reports and graphs of an earlier run
// in its folder are removed, so that none is taken for this run's. A well
// that was not run is left alone. The graphs need outcome.graphs. False
// with a German `error` after the first file that could not be written.
bool WriteWellOutputs(
    const std::string& outDir, const WellOutcome& outcome, const FieldGraphExport& graphs, std::string& error);

// Writes the field chart, netpay.csv, for a study with formation tops
// (`zones`) zones.csv, and summary.csv of `rows` (in the order of the study)
// into `outDir`, summary.csv last: it stands only when the rest does.
// Without tops a zones.csv there is removed.
bool WriteFieldOutputs(const std::string& outDir, const std::vector<WellSummary>& rows, const FieldGraphExport& graphs,
    std::string& error, bool zones = false);

} // namespace keldo
