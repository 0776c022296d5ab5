#include <gtest/gtest.h>

#include "TablePageLayout.h"

using keldo::TablePageLayout;
using Range = TablePageLayout::Range;

TEST(TablePageLayout, EmptyReportPrintsOnePageWithoutLines)
{
    EXPECT_EQ(TablePageLayout::PageCount(0), 1);
    EXPECT_EQ(TablePageLayout::LinesOfPage(1, 0), (Range{0, 0}));
}

TEST(TablePageLayout, LongReportIsCutIntoPagesOfFiftyLines)
{
    // 130 lines: 1-50, 51-100, 101-130 (0-based ranges).
    ASSERT_EQ(TablePageLayout::PageCount(130), 3);
    EXPECT_EQ(TablePageLayout::LinesOfPage(1, 130), (Range{0, 50}));
    EXPECT_EQ(TablePageLayout::LinesOfPage(2, 130), (Range{50, 100}));
    EXPECT_EQ(TablePageLayout::LinesOfPage(3, 130), (Range{100, 130}));
}

TEST(TablePageLayout, FullPagesLeaveNoEmptyTrailingPage)
{
    EXPECT_EQ(TablePageLayout::PageCount(1), 1);
    EXPECT_EQ(TablePageLayout::PageCount(50), 1);
    EXPECT_EQ(TablePageLayout::PageCount(51), 2);
    EXPECT_EQ(TablePageLayout::PageCount(100), 2);
    EXPECT_EQ(TablePageLayout::LinesOfPage(2, 100), (Range{50, 100}));
}

TEST(TablePageLayout, EveryLineIsOnExactlyOnePage)
{
    // The count announced beforehand covers the whole report: nothing lost at
    // the end, nothing printed twice.
    for (std::size_t n : {0u, 1u, 49u, 50u, 51u, 149u, 150u, 151u, 4567u}) {
        std::size_t expected = 0;
        for (int page = 1; page <= TablePageLayout::PageCount(n); ++page) {
            Range r = TablePageLayout::LinesOfPage(page, n);
            EXPECT_EQ(r.first, expected) << n << " lines, page " << page;
            expected = r.end;
        }
        EXPECT_EQ(expected, n) << n << " lines";
    }
}

TEST(TablePageLayout, PagesOutsideTheReportAreEmpty)
{
    EXPECT_EQ(TablePageLayout::LinesOfPage(4, 130), (Range{130, 130}));
    EXPECT_EQ(TablePageLayout::LinesOfPage(0, 130), (Range{}));
}

TEST(TablePageLayout, LinesStartOnTheThirdRowOfEachPage)
{
    EXPECT_EQ(TablePageLayout::RowOfLine(0), 3);
    EXPECT_EQ(TablePageLayout::RowOfLine(49), 52);
    EXPECT_EQ(TablePageLayout::RowOfLine(50), 3);
    EXPECT_EQ(TablePageLayout::RowOfLine(129), 32);
}
