#pragma once
#include <string>
#include <vector>

// What a check found wrong with one input: one sentence per broken rule.
// Empty when the program kept every rule.
namespace keldo::fuzz {

using Violations = std::vector<std::string>;

// Joins the sentences for a crash report or a test failure.
inline std::string Describe(const Violations& found)
{
    std::string text;
    for (const auto& v : found)
        text += "  - " + v + "\n";
    return text;
}

} // namespace keldo::fuzz
