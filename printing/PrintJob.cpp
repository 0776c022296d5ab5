#include "PrintJob.h"

namespace keldo {

std::string PrintJobTitle(const std::string& documentTitle, const std::string& well)
{
    const auto first = well.find_first_not_of(" \t");
    if (first == std::string::npos)
        return documentTitle;
    const auto last = well.find_last_not_of(" \t");
    return documentTitle + " - " + well.substr(first, last - first + 1);
}

} // namespace keldo
