#pragma once
#include <string>

// The name a well's file gives its well, so that a file added to a study is
// listed under its well rather than under its file name.
namespace keldo {

// A document's (.kld) well name, or a LAS file's ~W WELL; empty when the
// file names none, cannot be read, or a document keeps the name a new
// document starts with. Reads a LAS file's header only.
std::string WellNameOfFile(const std::string& path, bool document);

} // namespace keldo
