#pragma once
#include <fstream>
#include <string>
#include <vector>

#include "DefaultParameters.h"
#include "WellDataTestFiles.h"

// The measurement lines of a Volve well kept in tests/data/volve (depth TVDSS,
// porosity, Sw per line), below the source folder given or, without one,
// the folder in KELDO_SOURCE_DIR. Empty when the file cannot be read.
inline std::vector<std::string> ReadVolveWell(const std::string& file, std::string sourceDir = {})
{
    if (sourceDir.empty())
        sourceDir = SourceDir();
    std::ifstream in(sourceDir + "/tests/data/volve/" + file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The first and the last depth of tests/data/volve/15_9-F-11_B.txt (m TVDSS):
// the depth window over the whole logged range of 15/9-F-11 B.
constexpr float kF11BTop = 2791.782f;
constexpr float kF11BBottom = 3182.238f;

// The model of the oil example document examples/oil-well-F-11A.kld (the
// default coefficients, oil of 830 kg/m3, contact angle 30°, 110 °C, PI
// 320 bar, water 1070 kg/m3), the one to run the F-11 wells with.
inline void SetOilExampleParameters(CKeldoInputs& in)
{
    SetDefaultGasParameters(in);
    in.m_nFluid = 1;
    in.m_fDichteKW = 830.0f;
    in.m_fKontaktwinkel = 30.0f;
    in.m_fTemperatur = 110.0f;
    in.m_fInitialdruck = 320.0f;
    in.m_fKontakt = 3027.0f;
}
