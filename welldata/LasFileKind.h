#pragma once
#include <istream>
#include <string>
#include <string_view>

// Telling a LAS file from a measurement text file when the user picks one.
namespace keldo {

// ".las" at the end of the name, in any case.
bool HasLasExtension(std::string_view path);

// The stream's first line that is neither blank nor a comment (#) begins with
// "~V" (any case, blanks before it allowed, after a UTF-8 byte-order mark):
// every LAS file opens with its version section. Only the first 64 KiB are
// looked at.
bool BeginsLikeLas(std::istream& in);

// A LAS file by its name or, under any other name, by its beginning. A file
// that cannot be opened (or is no regular file) is a LAS file only by its
// name.
bool IsLasFile(const std::string& path);

} // namespace keldo
