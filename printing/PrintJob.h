#pragma once
#include <string>

// What every printed or exported page of a document says about itself.
namespace keldo {

// The program named as the creator of a PDF.
inline constexpr char kPrintCreator[] = "Keldo";

// The title of a print job or PDF: the document's title and its well,
// "gas-well-F-12.kld - 15/9-F-12"; the title alone when no well is named.
std::string PrintJobTitle(const std::string& documentTitle, const std::string& well);

} // namespace keldo
