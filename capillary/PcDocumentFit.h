#pragma once
#include <string>
#include <vector>

#include "DocumentFits.h"
#include "GraphPrimitives.h"
#include "KeldoInputs.h"
#include "PcNormalization.h"
#include "PcTable.h"

// The normalization as the program's tab "Kapillardruck" and keldo-batch
// make it for a document: the same numbers, report, messages and pages from
// the same table and choices.
namespace keldo {

// "Kapillardruckdatei F": the source as the report and the pages name it.
std::string PcFileSource(const std::string& path);

struct PcDocumentFit {
    PcNormalization normalization;
    std::vector<std::string> report;   // the short fit report
    std::vector<std::string> warnings; // the samples left out and the notices, as the report words them
    // Only when the normalization succeeded:
    FittedCapillaryModel fitted; // the taken set and Pc max, as the document will hold them
    GraphPage curves, parameters, heights;
};

// Normalizes `table`, read from the file at `path`, with `options`; the
// report names the file as given, the pages by its name alone (a long
// folder would run over the page's title); the saturation-height page takes
// the fluids of `document`.
PcDocumentFit FitPcForDocument(
    const PcTable& table, const PcFitOptions& options, const std::string& path, const CKeldoInputs& document);

} // namespace keldo
