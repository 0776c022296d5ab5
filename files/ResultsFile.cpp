#include "ResultsFile.h"

#include <cerrno>

#include "CodePage.h"
#include "FileAccess.h"
#include "InputFile.h"
#include "TextFormat.h"

namespace keldo {
namespace {

std::string ResultsPath(const std::string& directory)
{
    if (directory.empty())
        return kResultsFileName;
    if (directory.back() == '/')
        return directory + kResultsFileName;
    return directory + "/" + kResultsFileName;
}

// One line of the file as a report line: a zero byte (which no report line
// holds) becomes a blank so the rest of the line is kept and the columns stay
// aligned; a line of at most one character becomes blanks, as the table has
// always shown it.
std::string ReportLineFromFile(std::string raw)
{
    for (char& c : raw)
        if (c == '\0')
            c = ' ';
    if (raw.size() <= 1)
        raw.assign(raw.size(), ' ');
    return Cp1252ToUtf8(raw);
}

} // namespace

std::string FormatResultsText(const std::string& title, const std::vector<std::string>& report)
{
    std::string text;
    if (report.empty())
        return text;
    text += Utf8ToCp1252(title);
    text += '\n';
    for (const auto& line : report) {
        text += Utf8ToCp1252(line); // verbatim: a '%' stays a '%'
        text += '\n';
    }
    return text;
}

namespace {

enum class LineEnd { Break, EndOfFile, Nothing, TooLong, ReadError };

// The next line of `in` into `raw`, without its line break, a piece at a
// time so that the memory grows with the line; more than `limit` characters
// (a CR before the break not counted) stop the reading.
LineEnd NextRawLine(std::istream& in, std::string& raw, size_t limit)
{
    raw.clear();
    char piece[4096];
    for (;;) {
        in.getline(piece, sizeof piece);
        if (in.bad())
            return LineEnd::ReadError;
        const auto count = static_cast<size_t>(in.gcount());
        if (in.fail() && !in.eof()) { // the piece is full, the line goes on
            raw.append(piece, count);
            if (raw.size() > limit + 1)
                return LineEnd::TooLong;
            in.clear();
            continue;
        }
        const bool ended = !in.fail() && !in.eof(); // gcount counts the break
        raw.append(piece, ended ? count - 1 : count);
        if (!ended && raw.empty())
            return LineEnd::Nothing;
        if (ended && !raw.empty() && raw.back() == '\r')
            raw.pop_back(); // CR LF from a Windows-written file
        if (raw.size() > limit)
            return LineEnd::TooLong;
        return ended ? LineEnd::Break : LineEnd::EndOfFile;
    }
}

} // namespace

int ReadResultsLines(std::istream& in, std::vector<std::string>& lines, long long* tooLong)
{
    if (tooLong != nullptr)
        *tooLong = 0;
    int count = 0;
    // A line is taken whole up to the limit, and a last line without a line
    // break keeps all of its characters.
    std::string raw;
    while (count < kMaxResultsLines) {
        const LineEnd end = NextRawLine(in, raw, kLongestResultsLine);
        if (end == LineEnd::Nothing || end == LineEnd::ReadError)
            break; // a read error: the stream says so
        if (end == LineEnd::TooLong) {
            if (tooLong != nullptr)
                *tooLong = count + 1;
            break;
        }
        lines.push_back(ReportLineFromFile(std::move(raw)));
        ++count;
        if (end == LineEnd::EndOfFile)
            break;
    }
    return count;
}

FileResult WriteResultsFile(
    const std::string& title, const std::vector<std::string>& report, const std::string& directory)
{
    int err = 0;
    if (ReplaceFile(ResultsPath(directory), FormatResultsText(title, report), err))
        return FileResult::Success();
    return FileResult::Failure(Format("Die Ergebnisse konnten nicht in die Datei aus.txt "
                                      "geschrieben werden.\n%s",
        SystemErrorReason(err).c_str()));
}

FileResult ReadResultsFile(const std::string& directory, std::vector<std::string>& lines)
{
    lines.clear();
    const std::string path = ResultsPath(directory);
    auto fail = [&lines](const std::string& reason) {
        lines.clear();
        return FileResult::Failure(
            "Die Ergebnisse konnten nicht aus der Datei aus.txt gelesen werden.\n" + reason);
    };
    // No file, or a folder of that name: no results yet, as ever; a pipe or
    // device of that name is refused with its reason.
    InputFile in;
    int err = 0;
    if (!in.Open(path, err))
        return err == ENOENT || err == EISDIR ? FileResult::Success() : fail(SystemErrorReason(err));
    long long tooLong = 0;
    ReadResultsLines(in.Stream(), lines, &tooLong);
    if (in.Stream().bad())
        return fail(SystemErrorReason(EIO));
    if (tooLong > 0)
        return fail(Format("Die %lld. Zeile ist länger als %zu Zeichen.", tooLong, kLongestResultsLine));
    return FileResult::Success();
}

std::vector<std::string> ReadResultsFile(const std::string& directory)
{
    std::vector<std::string> lines;
    (void)ReadResultsFile(directory, lines);
    return lines;
}

} // namespace keldo
