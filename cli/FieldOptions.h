#pragma once
#include <optional>
#include <string>
#include <vector>

#include "NetPayCutoffs.h"

namespace keldo {

// The command line of keldo-field.
struct FieldOptions {
    std::string fieldFile;
    std::string templateFile; // empty: none (only wells with their own document)
    std::string outDir;
    std::string topsFile; // empty: no zones
    int jobs = 0;         // 0: one thread per core
    float cutoff = 0.06f; // of the wells whose row gives none
    float swCutoff = kDefaultSwCutoff;        // pay: Sw from the log at most
    double shaleCutoff = kDefaultShaleCutoff; // net: Vsh at most, in double as Vsh is compared
    bool help = false;
};

// Parses the arguments (without the program name). Returns nothing and sets
// `error` for a usage error.
std::optional<FieldOptions> ParseFieldOptions(const std::vector<std::string>& args, std::string& error);

const char* FieldUsage();

} // namespace keldo
