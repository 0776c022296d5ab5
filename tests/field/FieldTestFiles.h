#pragma once
#include <cstdlib>
#include <string>

// The example files of the field tests, below KELDO_SOURCE_DIR.
inline std::string SourceDir()
{
    const char* dir = std::getenv("KELDO_SOURCE_DIR");
    return dir ? dir : ".";
}
inline std::string Example(const std::string& relative) { return SourceDir() + "/examples/" + relative; }
inline std::string VolveLas(const std::string& well)
{
    return Example("volve/las/" + well + "_WLC_PETRO_COMPUTED_OUTPUT_1.LAS");
}
inline std::string VolveSurvey(const std::string& well)
{
    return Example("volve/trajectories/" + well + "_ACTUAL.txt");
}
inline std::string OilTemplate() { return Example("oil-well-F-11A.kld"); }
inline std::string GasDocument() { return Example("gas-well-F-12.kld"); }
