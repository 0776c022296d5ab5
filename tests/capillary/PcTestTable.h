#pragma once
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

// A file of the source tree (KELDO_SOURCE_DIR), whole; empty when missing.
inline std::string SourceFile(const std::string& relative)
{
    const char* root = std::getenv("KELDO_SOURCE_DIR");
    std::ifstream in(std::string(root ? root : ".") + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
