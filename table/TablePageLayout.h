#pragma once
#include <cstddef>

namespace keldo {

// How the report is cut into printed pages. The count announced before
// printing and the pages actually printed come from the same numbers, so the
// last lines of a long report always reach paper.
struct TablePageLayout {
    // Report lines per printed page.
    static constexpr std::size_t kLinesPerPage = 50;
    // Rows of a page above its first report line: the header on row 1,
    // row 2 left empty, report lines from row 3 on.
    static constexpr int kFirstLineRow = 3;
    static constexpr int kHeaderRow = 1;

    // Pages needed for `lineCount` report lines; an empty report still
    // prints one page, holding only the header.
    static int PageCount(std::size_t lineCount);

    // The report lines [first, end) printed on page `page` (1-based). Pages
    // beyond the report give an empty range.
    struct Range {
        std::size_t first = 0;
        std::size_t end = 0;
        bool operator==(const Range&) const = default;
    };
    static Range LinesOfPage(int page, std::size_t lineCount);

    // Row (counted from the top of the page, in text heights) of the report
    // line `line` on its page.
    static int RowOfLine(std::size_t line);
};

} // namespace keldo
