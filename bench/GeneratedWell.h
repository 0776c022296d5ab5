#pragma once
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "TextFormat.h"

// A synthetic well for the benchmarks: depths 1800 to 2100 m, porosity 0.08
// to 0.30, and a water saturation that climbs from about 0.1 to 1 towards a
// contact at 2050 m, so that both runs take their usual paths. Another
// `seed` gives another well of the same kind.
inline std::vector<std::string> GenerateMeasurementLines(int count, uint32_t seed = 12345)
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(count));
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<double>(seed >> 8) / static_cast<double>(1u << 24);
    };
    for (int i = 0; i < count; ++i) {
        double depth = 1800.0 + 300.0 * i / count;
        double phi = 0.08 + 0.22 * next();
        double height = std::max(0.0, 2050.0 - depth);
        double sw = std::min(1.0, 0.1 + 0.9 * std::exp(-height / 40.0) + 0.05 * next());
        std::string line;
        keldo::AppendFixed(line, static_cast<float>(depth), 10, 3);
        line += "   ";
        keldo::AppendFixed(line, static_cast<float>(phi), 10, 5);
        line += "  ";
        keldo::AppendFixed(line, static_cast<float>(sw), 10, 5);
        lines.push_back(std::move(line));
    }
    return lines;
}

// The input dialog's default parameter set with contact 2050 m, PI 200 bar.
inline void SetBenchmarkInputs(CKeldoDoc& doc, int modus)
{
    SetDefaultGasParameters(doc);
    doc.m_fKontakt = 2050.0f;
    doc.m_fMinTeufe = 1800.0f;
    doc.m_fMaxTeufe = 2100.0f;
    doc.m_nModus = modus;
}
