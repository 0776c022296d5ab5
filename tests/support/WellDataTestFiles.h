#pragma once
#include <cstdlib>
#include <filesystem>
#include <string>

// The Volve data in the repository, found through KELDO_SOURCE_DIR (set by CTest).
inline std::filesystem::path SourceFolder()
{
    const char* source = std::getenv("KELDO_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".");
}
inline std::string SourceDir() { return SourceFolder().string(); }

// The example documents and files in examples/.
inline std::string ExampleFile(const std::string& relative)
{
    return (SourceFolder() / "examples" / relative).string();
}
inline std::string GasExampleDocument() { return ExampleFile("gas-well-F-12.kld"); }
inline std::string OilExampleDocument() { return ExampleFile("oil-well-F-11A.kld"); }

inline std::string VolveLasPath(const std::string& name)
{
    return (SourceFolder() / "examples" / "volve" / "las" / name).string();
}

inline std::string VolveSurveyPath(const std::string& name)
{
    return (SourceFolder() / "examples" / "volve" / "trajectories" / name).string();
}

// The LAS file and the survey of a Volve well by its name ("15_9-F-12").
inline std::string VolveWellLas(const std::string& well)
{
    return VolveLasPath(well + "_WLC_PETRO_COMPUTED_OUTPUT_1.LAS");
}
inline std::string VolveWellSurvey(const std::string& well) { return VolveSurveyPath(well + "_ACTUAL.txt"); }

inline std::string VolveMeasurementPath(const std::string& name)
{
    return (SourceFolder() / "tests" / "data" / "volve" / name).string();
}

// The LAS files written for the tests (tests/data/las).
inline std::string TestLasPath(const std::string& name)
{
    return (SourceFolder() / "tests" / "data" / "las" / name).string();
}
