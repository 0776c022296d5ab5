#include "TablePageLayout.h"

#include <algorithm>

namespace keldo {

int TablePageLayout::PageCount(std::size_t lineCount)
{
    if (lineCount == 0)
        return 1;
    return static_cast<int>((lineCount + kLinesPerPage - 1) / kLinesPerPage);
}

TablePageLayout::Range TablePageLayout::LinesOfPage(int page, std::size_t lineCount)
{
    if (page < 1)
        return {};
    std::size_t first = static_cast<std::size_t>(page - 1) * kLinesPerPage;
    if (first >= lineCount)
        return {lineCount, lineCount};
    return {first, std::min(first + kLinesPerPage, lineCount)};
}

int TablePageLayout::RowOfLine(std::size_t line) { return static_cast<int>(line % kLinesPerPage) + kFirstLineRow; }

} // namespace keldo
