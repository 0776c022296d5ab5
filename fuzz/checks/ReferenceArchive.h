#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A second, deliberately plain reading of the document file layout, written
// from the layout table and not from the program's reader, so that the two
// can be compared on any bytes.
namespace keldo::fuzz {

struct ReferenceString {
    bool utf16 = false;
    std::string raw;  // the stored bytes (Windows-1252, or UTF-16LE units)
    std::string utf8; // for UTF-16 strings: the text in UTF-8
};

struct ReferenceDocument {
    bool complete = false; // every field is there
    size_t consumed = 0;   // bytes up to the end of the last field
    // Every length and count has the form that saving produces and no
    // string is in UTF-16: writing the document again must give the bytes.
    bool canonical = true;
    bool anyUtf16 = false;
    ReferenceString name;
    std::array<uint32_t, 19> floatsBeforeFluid{}; // raw bits, in file order
    int32_t fluid = 0;
    uint32_t contactAngleBits = 0;
    std::vector<ReferenceString> lines;
};

ReferenceDocument ReadReferenceDocument(std::string_view bytes);

// UTF-16LE code units to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16LeToUtf8(std::string_view units);

} // namespace keldo::fuzz
