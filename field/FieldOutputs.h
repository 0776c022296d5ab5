#pragma once
#include <string>
#include <vector>

#include "GraphPrimitives.h"
#include "WellRun.h"

class CKeldoDoc;

// The output folder of a study:
//   summary.csv                      the summary (SummaryTable.h)
//   field.svg, field.png, field.pdf  the field chart
//   <folder>/saturation.txt          the reports, as keldo-batch prints them
//   <folder>/contact.txt
//   <folder>/saturation.svg          the graphs of the two runs
//   <folder>/contact.svg
//   <folder>/messages.txt            every message of the well, one a line
// Every file is written beside its target and renamed at the end, so a
// failure leaves no half-written file.
namespace keldo {

// Saving graphs needs Qt, which the field library does without: the front
// ends hand in these two functions. Without them no graph is written.
struct FieldGraphExport {
    bool (*exportGraph)(CKeldoDoc& doc, const std::string& path, std::string& error) = nullptr;
    bool (*exportPage)(const GraphPage& page, const std::string& path, std::string& error) = nullptr;
    bool Available() const { return exportGraph && exportPage; }
};

// Creates `folder` (and the folders above it). False with a German `error`.
bool MakeFolder(const std::string& folder, std::string& error);

// Writes the folder of one computed well into `outDir`. A well that could
// not be read gets only its messages; reports and graphs of an earlier run
// in its folder are removed, so that none is taken for this run's. A well
// that was not run is left alone. The graphs need outcome.graphs. False
// with a German `error` after the first file that could not be written.
bool WriteWellOutputs(
    const std::string& outDir, const WellOutcome& outcome, const FieldGraphExport& graphs, std::string& error);

// Writes summary.csv and the field chart of `rows` (in the order of the
// study) into `outDir`.
bool WriteFieldOutputs(const std::string& outDir, const std::vector<WellSummary>& rows, const FieldGraphExport& graphs,
    std::string& error);

} // namespace keldo
