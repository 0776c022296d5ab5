#pragma once
#include <string>
#include <string_view>

namespace keldo::fuzz {

// True when `text` is one JSON value (RFC 8259) with nothing but white space
// around it; otherwise `where` says what is wrong and at which byte.
bool IsJson(std::string_view text, std::string& where);

} // namespace keldo::fuzz
