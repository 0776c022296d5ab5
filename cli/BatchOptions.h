#pragma once
#include <optional>
#include <string>
#include <vector>

namespace keldo {

// A range of depths (m, TVD), as given: from may be at or beyond to.
struct DepthRange {
    float from = 0;
    float to = 0;
};

// The command line of keldo-batch.
struct BatchOptions {
    std::string document;
    int modus = 0; // 0 water saturation, 1 contact
    std::optional<float> minTeufe;
    std::optional<float> maxTeufe;
    float cutoff = 0.06f;
    bool detail = false;
    bool warnungen = false;
    bool druckabhaengig = true;
    std::string reportFile;       // empty: standard output
    std::string measurementsFile; // empty: the document's own lines
    bool descending = true;
    std::string graphFile; // empty: no graph export
    // A LAS file instead of the document's measurements; the document gives
    // the model. Empty curve names: the index curve and the suggestions.
    std::string lasFile;
    std::string depthCurve;
    std::string porosityCurve;
    std::string swCurve;
    std::string surveyFile;
    std::optional<double> elevation = 0.0; // m; nothing: from the LAS header ("auto")
    std::string lasInfoFile;               // print this LAS file's header as JSON, nothing else
    std::string saveAs;                    // save the document before computing (after the fits)
    // Fitting the model before the computation: the Phi-K relation from a
    // core table or the LAS file's permeability curve (empty: the suggestion),
    // and the contact over a range (nothing: the default range).
    bool fitPhiK = false;
    int phiKOrder = 2;
    std::string coreFile;
    std::string permeabilityCurve;
    bool fitContact = false;
    std::optional<DepthRange> contactRange;
    std::string fitGraphFile; // empty: no fit graph
    bool help = false;
};

// Parses the arguments (without the program name). Returns nothing and sets
// `error` for a usage error.
std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& args, std::string& error);

const char* BatchUsage();

} // namespace keldo
