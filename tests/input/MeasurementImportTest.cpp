#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "LineOrder.h"
#include "LocaleGuard.h"
#include "MeasurementImport.h"
#include "RecordingMessageBox.h"

namespace {

struct Imported {
    bool ok;
    std::vector<std::string> lines;
    std::vector<std::string> shown;
};

Imported Import(const std::string& text, bool descending = true)
{
    std::istringstream in(text);
    RecordingMessageBox box;
    Imported r;
    r.ok = keldo::ImportMeasurementStream(in, descending, box, r.lines);
    r.shown = box.shown;
    return r;
}

std::string OneShown(const Imported& r)
{
    return r.shown.size() == 1 ? r.shown[0] : "<" + std::to_string(r.shown.size()) + " messages>";
}

class TempFile {
public:
    explicit TempFile(const std::string& content)
        : m_path(std::filesystem::temp_directory_path()
            / ("keldo-import-" + std::to_string(reinterpret_cast<uintptr_t>(this)) + ".txt"))
    {
        std::ofstream(m_path, std::ios::binary) << content;
    }
    ~TempFile() { std::filesystem::remove(m_path); }
    std::string path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

} // namespace

TEST(MeasurementImport, TenDescendingLines)
{
    std::string text;
    for (int i = 0; i < 10; ++i)
        text += std::to_string(1500 - 10 * i) + " 0.2" + std::to_string(i) + " 0.3\n";
    Imported r = Import(text);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.shown.empty());
    ASSERT_EQ(r.lines.size(), 10u);
    EXPECT_EQ(r.lines.front(), "  1500.000      0.20000     0.30000");
    EXPECT_EQ(r.lines.back(), "  1410.000      0.29000     0.30000");
    float minT = -1, maxT = -1;
    ASSERT_TRUE(keldo::DepthWindowFromLines(r.lines, minT, maxT));
    EXPECT_EQ(minT, 1410.0f);
    EXPECT_EQ(maxT, 1500.0f);
}

TEST(MeasurementImport, LineEndsAndBlankLines)
{
    // CR LF, LF, and a last line without an end all count.
    Imported r = Import("1500 0.2 0.3\r\n1490 0.2 0.3\n1480 0.2 0.3");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.lines.size(), 3u);

    // A blank line after the last one stops the import after all real lines.
    r = Import("1500 0.2 0.3\n1490 0.2 0.3\n\n");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(OneShown(r), "Die Zeile enhält keine 3 Werte\n ");

    r = Import("1500 0.2 0.3\r\n   \r\n");
    EXPECT_EQ(OneShown(r), "Die Zeile enhält keine 3 Werte\n    ");
    EXPECT_EQ(r.lines.size(), 1u);

    r = Import("");
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.lines.empty());
}

TEST(MeasurementImport, WhatCountsAsThreeNumbers)
{
    GermanLocale german;
    Imported r = Import("1200 0.25 0.4 extra\n");
    EXPECT_TRUE(r.ok);
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0], "  1200.000      0.25000     0.40000");

    r = Import("\t 1.2e3  2.5E-1 +0.4\n");
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0], "  1200.000      0.25000     0.40000");

    for (const char* bad : {"nan 0.2 0.3", "0x10 0.2 0.3", "inf 0.2 0.3", "1500 0.2", "Teufe Phi Sw", "1e39 0.2 0.3"}) {
        r = Import(std::string("1510 0.2 0.3\n") + bad + "\n1490 0.2 0.3\n");
        EXPECT_FALSE(r.ok) << bad;
        EXPECT_EQ(r.lines.size(), 1u) << bad;
        EXPECT_EQ(OneShown(r), std::string("Die Zeile enhält keine 3 Werte\n ") + bad);
    }
}

TEST(MeasurementImport, RangeChecksWithLineNumber)
{
    Imported r = Import("1500 0 0.3\n1490 0.2 0.3\n");
    EXPECT_TRUE(r.lines.empty());
    EXPECT_EQ(OneShown(r), "ABBRUCH in der 1.Zeile\n1500 0 0.3\nDie Porosität<=0");

    r = Import("1500 0.2 0.3\n1490 1 0.3\n");
    EXPECT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(OneShown(r), "ABBRUCH in der 2.Zeile\n1490 1 0.3\nDie Porosität>=1");

    r = Import("1500 0.2 0\n");
    EXPECT_EQ(OneShown(r), "ABBRUCH in der 1.Zeile\n1500 0.2 0\nDie Wassersättigung<=0");

    r = Import("1500 0.2 1.0001\n");
    EXPECT_EQ(OneShown(r), "ABBRUCH in der 1.Zeile\n1500 0.2 1.0001\nDie Wassersättigung>1");

    // Sw exactly 1 passes; negative depths have no range check.
    r = Import("1500 0.2 1\n-5 0.2 1\n");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.lines.size(), 2u);

    // The order check comes before the range checks.
    r = Import("1500 0.2 0.3\n1500 0 0.3\n");
    EXPECT_EQ(OneShown(r), "ABBRUCH in der 2.Zeile\n1500 0 0.3\nDie Teufe nimmt nicht ab!");
}

TEST(MeasurementImport, DepthOrder)
{
    Imported r = Import("1500 0.2 0.3\n1500 0.2 0.3\n", true);
    EXPECT_EQ(OneShown(r), "ABBRUCH in der 2.Zeile\n1500 0.2 0.3\nDie Teufe nimmt nicht ab!");
    EXPECT_EQ(r.lines.size(), 1u);

    r = Import("1500 0.2 0.3\n1500 0.2 0.3\n", false);
    EXPECT_EQ(OneShown(r), "ABBRUCH in der 2.Zeile\n1500 0.2 0.3\nDie Teufe nimmt nicht zu!");

    // Answering "ascending" for a descending file refuses line 2.
    r = Import("1500 0.2 0.3\n1490 0.2 0.3\n", false);
    EXPECT_EQ(OneShown(r), "ABBRUCH in der 2.Zeile\n1490 0.2 0.3\nDie Teufe nimmt nicht zu!");

    r = Import("1400 0.2 0.3\n1410 0.2 0.3\n1420 0.2 0.3\n", false);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.lines.size(), 3u);

    // A refused line is not remembered as the previous depth.
    r = Import("1500 0.2 0.3\n1490 0.2 0.3\n1495 0.2 0.3\n", true);
    EXPECT_EQ(OneShown(r), "ABBRUCH in der 3.Zeile\n1495 0.2 0.3\nDie Teufe nimmt nicht ab!");
}

TEST(MeasurementImport, LineLengthLimit)
{
    const std::string ok98 = "1500 0.2 0.3" + std::string(86, ' ');
    ASSERT_EQ(ok98.size(), 98u);
    Imported r = Import(ok98 + "\r\n" + ok98 + "\n");
    EXPECT_EQ(r.shown.size(), 1u); // the second line has the same depth
    EXPECT_EQ(r.lines.size(), 1u);

    const std::string long99 = ok98 + " ";
    r = Import("1510 0.2 0.3\n" + long99 + "\n");
    EXPECT_EQ(OneShown(r), "In der 2.Zeile 100 Zeichen gelesen");
    EXPECT_EQ(r.lines.size(), 1u);

    // A 10 MB line without any line end stops at its beginning.
    r = Import(std::string(10'000'000, '1'));
    EXPECT_EQ(OneShown(r), "In der 1.Zeile 100 Zeichen gelesen");
    EXPECT_TRUE(r.lines.empty());
}

TEST(MeasurementImport, RawLineShownInUtf8)
{
    Imported r = Import("1500 0.2 0.3 Tr\xe4ger\n1490 0 0.3 \xfc\n");
    EXPECT_EQ(OneShown(r), "ABBRUCH in der 2.Zeile\n1490 0 0.3 \xc3\xbc\nDie Porosität<=0");
}

TEST(MeasurementImport, FromFile)
{
    TempFile file("1500 0.2 0.3\n1490 0.2 0.3\n1480 0.5 1.5\n");
    RecordingMessageBox box;
    std::vector<std::string> lines;
    EXPECT_FALSE(keldo::ImportMeasurementFile(file.path(), true, box, lines));
    EXPECT_EQ(lines.size(), 2u);
    EXPECT_EQ(box.shown.at(0), "ABBRUCH in der 3.Zeile\n1480 0.5 1.5\nDie Wassersättigung>1");

    for (std::string missing :
        {std::string("/nonexistent/keldo.txt"), std::filesystem::temp_directory_path().string()}) {
        box.shown.clear();
        lines.clear();
        EXPECT_FALSE(keldo::ImportMeasurementFile(missing, true, box, lines));
        EXPECT_TRUE(lines.empty());
        EXPECT_EQ(box.shown.at(0), keldo::CannotOpenMessage(missing));
    }
}

TEST(LineOrder, SortedByText)
{
    std::vector<std::string> down = {"  1500.000", "  1490.000", "  1480.000"};
    EXPECT_EQ(keldo::SortedLineOrder(down), (std::vector<int>{2, 1, 0}));
    std::vector<std::string> up = {"  1480.000", "  1490.000", "  1500.000"};
    EXPECT_EQ(keldo::SortedLineOrder(up), (std::vector<int>{0, 1, 2}));
    std::vector<std::string> mixed = {"b", "a", "c", "a"};
    EXPECT_EQ(keldo::SortedLineOrder(mixed), (std::vector<int>{1, 3, 0, 2}));
    EXPECT_TRUE(keldo::SortedLineOrder({}).empty());
    EXPECT_EQ(keldo::SortedLineOrder({"x"}), (std::vector<int>{0}));
}
