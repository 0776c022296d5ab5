#pragma once
#include <optional>
#include <string>
#include <vector>

namespace keldo {

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
    std::string saveAs;                    // save the document before computing
    bool help = false;
};

// Parses the arguments (without the program name). Returns nothing and sets
// `error` for a usage error.
std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& args, std::string& error);

const char* BatchUsage();

} // namespace keldo
