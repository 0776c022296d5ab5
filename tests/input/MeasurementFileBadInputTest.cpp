// Measurement files as they come from other programs and other countries:
// Windows line ends, a UTF-8 byte-order mark, decimal commas, very many lines
// and a line that never ends.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "LocaleGuard.h"
#include "MeasurementImport.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"

namespace fs = std::filesystem;

namespace {

const std::string kBom = "\xEF\xBB\xBF";

// A scratch folder whose files are written with the given content.
class ScratchDir : public ScratchFolder {
public:
    std::string File(const std::string& name, const std::string& content = {}) const
    {
        const std::string path = file(name);
        WriteBytes(path, content);
        return path;
    }
};

struct Imported {
    bool ok = false;
    std::vector<std::string> lines;
    std::vector<std::string> shown;
};

Imported ImportText(const std::string& text, bool descending)
{
    std::istringstream in(text);
    RecordingMessageBox box;
    Imported r;
    r.ok = keldo::ImportMeasurementStream(in, descending, box, r.lines);
    r.shown = box.shown;
    return r;
}

Imported ImportFile(const std::string& path, bool descending)
{
    RecordingMessageBox box;
    Imported r;
    r.ok = keldo::ImportMeasurementFile(path, descending, box, r.lines);
    r.shown = box.shown;
    return r;
}

// Resident memory of this process in bytes.
long long ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

} // namespace

TEST(MeasurementFileBadInput, WindowsLineEndsEverywhere)
{
    ScratchDir dir;
    // CR LF after every line, the last one included.
    const std::string path = dir.File("crlf.txt", "1500 0.2 0.3\r\n1490 0.21 0.31\r\n1480 0.22 1\r\n");
    Imported r = ImportFile(path, true);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.shown.empty());
    EXPECT_EQ(r.lines,
        (std::vector<std::string>{"  1500.000      0.20000     0.30000", "  1490.000      0.21000     0.31000",
            "  1480.000      0.22000     1.00000"}));

    // The CR is no part of the line in a message either.
    r = ImportText("1500 0.2 0.3\r\n1510 0.2 0.3\r\n", true);
    ASSERT_EQ(r.shown.size(), 1u);
    EXPECT_EQ(r.shown[0], "ABBRUCH in der 2.Zeile\n1510 0.2 0.3\nDie Teufe nimmt nicht ab!");
}

TEST(MeasurementFileBadInput, ByteOrderMarkAtTheStartIsSkipped)
{
    // Editors on Windows put EF BB BF before UTF-8 text; it is not part of
    // the first number.
    Imported r = ImportText(kBom + "1500 0.2 0.3\r\n1490 0.2 0.3\r\n", true);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.shown.empty());
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0], "  1500.000      0.20000     0.30000");

    ScratchDir dir;
    r = ImportFile(dir.File("bom.txt", kBom + "2500 0.2 0.3\n2510 0.25 0.35"), false);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.lines.size(), 2u);

    // The mark does not count towards the length of the first line.
    const std::string line98 = "1500 0.2 0.3" + std::string(86, ' ');
    r = ImportText(kBom + line98 + "\n", true);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.lines.size(), 1u);

    // A file of nothing but the mark holds no measurement.
    r = ImportText(kBom, true);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.lines.empty());
    EXPECT_TRUE(r.shown.empty());

    // Only at the very start: further on the bytes are text like any other
    // and the line is refused, shown as the code page reads it.
    r = ImportText("1500 0.2 0.3\n" + kBom + "1490 0.2 0.3\n", true);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.lines.size(), 1u);
    ASSERT_EQ(r.shown.size(), 1u);
    EXPECT_EQ(r.shown[0],
        "Die Zeile enhält keine 3 Werte\n \xC3\xAF\xC2\xBB\xC2\xBF"
        "1490 0.2 0.3");
}

TEST(MeasurementFileBadInput, DecimalCommaIsRefusedWithTheLineShownAndAHint)
{
    // Under a German locale too: the file's numbers never follow the locale.
    GermanLocale german;
    const std::string noThreeValues = "Die Zeile enhält keine 3 Werte\n ";
    const std::string hint = "\nBitte den Dezimalpunkt verwenden: ";
    const struct {
        const char* line;
        std::string message; // the line is shown as it is, commas and all
    } cases[] = {
        {"2500,5 0,2 0,3", noThreeValues + "2500,5 0,2 0,3" + hint + "2500.5 statt 2500,5"},
        {"2500 0,2 0,3", noThreeValues + "2500 0,2 0,3" + hint + "0.2 statt 0,2"},
        {"2500,5;0,2;0,3", noThreeValues + "2500,5;0,2;0,3" + hint + "2500.5 statt 2500,5"},
        {"2500\t0,25\t0,3", noThreeValues + "2500\t0,25\t0,3" + hint + "0.25 statt 0,25"},
        {"-12,75 0,2 0,3", noThreeValues + "-12,75 0,2 0,3" + hint + "12.75 statt 12,75"},
        // Only the third number has a comma: it reads as 0, and that refusal
        // gets the hint too.
        {"2500 0.2 0,35", "ABBRUCH in der 1.Zeile\n2500 0.2 0,35\nDie Wassersättigung<=0" + hint + "0.35 statt 0,35"},
        // Commas that are no decimal commas: no hint.
        {"2500, 0.2, 0.3", noThreeValues + "2500, 0.2, 0.3"},
        {"2500 ,2 0.3", noThreeValues + "2500 ,2 0.3"},
        {"Teufe,Phi,Sw", noThreeValues + "Teufe,Phi,Sw"},
    };
    for (const auto& c : cases) {
        Imported r = ImportText(std::string(c.line) + "\r\n2490 0.2 0.3\r\n", true);
        EXPECT_FALSE(r.ok) << c.line;
        EXPECT_TRUE(r.lines.empty()) << c.line;
        EXPECT_EQ(r.shown, std::vector<std::string>{c.message});
    }
    // Lines before the first one with a comma stay.
    Imported r = ImportText("2510 0.2 0.3\n2500 0,2 0,3\n", true);
    EXPECT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.shown.size(), 1u);
}

TEST(MeasurementFileBadInput, TenMillionLinesAreReadWithMemoryPerLineOnly)
{
    constexpr int kLines = 10'000'000;
    ScratchDir dir;
    const std::string path = dir.File("zehn-millionen.txt");
    {
        // Depths 1 to 10,000,000 m, each exact as a float and increasing.
        std::FILE* out = std::fopen(path.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::vector<char> buffer(1 << 20);
        std::setvbuf(out, buffer.data(), _IOFBF, buffer.size());
        char line[32];
        for (int depth = 1; depth <= kLines; ++depth) {
            char* end = std::to_chars(line, line + 16, depth).ptr;
            static const char kRest[] = " 0.25 0.5\n";
            std::fwrite(line, 1, static_cast<size_t>(end - line), out);
            std::fwrite(kRest, 1, sizeof kRest - 1, out);
        }
        ASSERT_EQ(std::fclose(out), 0);
    }

    const long long before = ResidentBytes();
    Imported r = ImportFile(path, false);
    const long long after = ResidentBytes();

    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.shown.empty());
    ASSERT_EQ(r.lines.size(), static_cast<size_t>(kLines));
    EXPECT_EQ(r.lines.front(), "     1.000      0.25000     0.50000");
    EXPECT_EQ(r.lines.back(), "10000000.000      0.25000     0.50000");
    // Every stored line is its own short text, with no reading buffer kept.
    size_t largest = 0;
    for (const std::string& line : r.lines)
        largest = std::max(largest, line.capacity());
    EXPECT_LE(largest, 64u);
    // The whole import grows the process by an amount proportional to the
    // lines kept: the 37 characters of a line, its string, the list's spare
    // room and the allocator's bookkeeping (more under the sanitizers) stay
    // far below 256 bytes a line. The 170 MB file itself is never held.
    EXPECT_LT(after - before, 256LL * kLines) << "grew by " << (after - before) << " bytes";
}

TEST(MeasurementFileBadInput, TenMegabyteLineWithoutLineEndStopsEarly)
{
    ScratchDir dir;
    const std::string path = dir.File("eine-zeile.txt", std::string(10'000'000, '7'));

    std::ifstream in(path, std::ios::binary);
    RecordingMessageBox box;
    std::vector<std::string> lines;
    EXPECT_FALSE(keldo::ImportMeasurementStream(in, true, box, lines));
    EXPECT_EQ(box.shown, std::vector<std::string>{"In der 1.Zeile 100 Zeichen gelesen"});
    EXPECT_TRUE(lines.empty());
    // Reading stopped after one buffer's worth, not at the end of the 10 MB.
    in.clear();
    const auto consumed = static_cast<long long>(in.tellg());
    EXPECT_GT(consumed, 0);
    EXPECT_LE(consumed, 1LL << 16);

    // The same after good lines: the count names the long line.
    const std::string after = dir.File("spaet.txt", "1500 0.2 0.3\n1490 0.2 0.3\n" + std::string(10'000'000, ' '));
    Imported r = ImportFile(after, true);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.shown, std::vector<std::string>{"In der 3.Zeile 100 Zeichen gelesen"});
}
