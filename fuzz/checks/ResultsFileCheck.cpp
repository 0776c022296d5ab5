#include "ResultsFileCheck.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "AllocationCounter.h"
#include "CodePage.h"
#include "ResultsFile.h"
#include "TextFormat.h"

namespace keldo::fuzz {
namespace {

// Lines grow by doubling while they are read, and each becomes up to three
// bytes of UTF-8 per byte.
constexpr size_t kBytesPerInputByte = 32;
constexpr size_t kFixedAllowance = 64 * 1024;

// The lines of "aus.txt"; `tooLong` when one of them is longer than the
// limit: the lines before it are read from a stream, none from the file.
std::vector<std::string> ReferenceLines(std::string_view bytes, bool& tooLong)
{
    std::vector<std::string> lines;
    tooLong = false;
    size_t pos = 0;
    while (pos < bytes.size() && lines.size() < static_cast<size_t>(kMaxResultsLines)) {
        const size_t end = bytes.find('\n', pos);
        std::string line(bytes.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
        pos = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > kLongestResultsLine) {
            tooLong = true;
            break;
        }
        for (char& c : line)
            if (c == '\0')
                c = ' ';
        if (line.size() <= 1)
            line.assign(line.size(), ' ');
        lines.push_back(Cp1252ToUtf8(line));
    }
    return lines;
}

// A folder of this process for "aus.txt", removed at exit. Plain arrays, so
// that they outlive every static object the exit handler could run after.
char g_folder[4096];
char g_file[4200];

const char* ScratchFolder()
{
    if (g_folder[0] == '\0') {
        // Memory-backed where there is one: the file is rewritten for every
        // input, and on a disk that costs more than the reading under test.
        const char* base = std::getenv("TMPDIR");
        if (!base || !*base)
            base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::snprintf(g_folder, sizeof g_folder, "%s/keldo-fuzz-XXXXXX", base);
        if (!mkdtemp(g_folder))
            std::abort();
        std::snprintf(g_file, sizeof g_file, "%s/%s", g_folder, kResultsFileName);
        std::atexit([] {
            std::remove(g_file);
            rmdir(g_folder);
        });
    }
    return g_folder;
}

void CheckStreamReading(std::string_view bytes, const std::vector<std::string>& expected, Violations& found)
{
    std::istringstream in{std::string(bytes)};
    std::vector<std::string> lines{"vorher"};
    int count = 0;
    size_t asked = 0;
    {
        AllocationScope scope;
        count = ReadResultsLines(in, lines);
        asked = scope.TotalBytes();
    }
    if (asked > kBytesPerInputByte * bytes.size() + kFixedAllowance)
        found.push_back(Format("reading %zu bytes asked for %zu bytes of memory", bytes.size(), asked));
    if (lines.empty() || lines.front() != "vorher") {
        found.push_back("the lines held before were changed");
        return;
    }
    lines.erase(lines.begin());
    if (count < 0 || count > kMaxResultsLines)
        found.push_back(Format("%d lines counted", count));
    if (static_cast<size_t>(count) != lines.size())
        found.push_back(Format("%d lines counted, %zu appended", count, lines.size()));
    size_t total = 0;
    for (const auto& line : lines) {
        total += line.size();
        if (line.find('\n') != std::string::npos || line.find('\0') != std::string::npos)
            found.push_back("a line holds a line break or a zero byte");
    }
    if (total > 3 * bytes.size())
        found.push_back(Format("%zu bytes of text from %zu bytes read", total, bytes.size()));
    if (lines != expected) {
        size_t i = 0;
        while (i < lines.size() && i < expected.size() && lines[i] == expected[i])
            ++i;
        found.push_back(
            Format("%zu lines read, %zu expected; first difference in line %zu", lines.size(), expected.size(), i + 1));
    }
}

// "Ergebnisse ausgeben" of the lines read, read back. Not comparable: a
// single line (an empty report writes an empty file) and a line that still
// ends in a CR (written again, it reads as a CR LF line end).
void CheckRewrite(const std::vector<std::string>& lines, Violations& found)
{
    if (lines.size() < 2)
        return;
    for (const auto& line : lines)
        if (!line.empty() && line.back() == '\r')
            return;
    const std::vector<std::string> report(lines.begin() + 1, lines.end());
    const std::string text = FormatResultsText(lines.front(), report);
    std::istringstream in(text);
    std::vector<std::string> again;
    ReadResultsLines(in, again);
    if (again != lines)
        found.push_back("the lines written again do not read back the same");
}

// The reading of the real file "aus.txt", as "Ergebnisse einlesen" does it.
void CheckFileReading(std::string_view bytes, const std::vector<std::string>& expected, Violations& found)
{
    ScratchFolder();
    {
        std::ofstream out(g_file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            std::abort();
    }
    if (ReadResultsFile(ScratchFolder()) != expected)
        found.push_back("reading the file \"aus.txt\" gives other lines than reading the stream");
}

} // namespace

Violations CheckResultsFile(std::string_view bytes)
{
    Violations found;
    bool tooLong = false;
    const std::vector<std::string> expected = ReferenceLines(bytes, tooLong);
    CheckStreamReading(bytes, expected, found);
    CheckRewrite(expected, found);
    CheckFileReading(bytes, tooLong ? std::vector<std::string>() : expected, found);
    return found;
}

} // namespace keldo::fuzz
