#include "ResultsFile.h"

#include <fstream>
#include <sys/stat.h>

#include "CodePage.h"
#include "FileAccess.h"
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

int ReadResultsLines(std::istream& in, std::vector<std::string>& lines)
{
    int count = 0;
    std::string raw;
    // A line is taken whole however long it is, and a last line without a
    // line break keeps all of its characters.
    while (count < kMaxResultsLines && std::getline(in, raw)) {
        if (!raw.empty() && raw.back() == '\r' && !in.eof())
            raw.pop_back(); // CR LF from a Windows-written file
        lines.push_back(ReportLineFromFile(std::move(raw)));
        ++count;
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

std::vector<std::string> ReadResultsFile(const std::string& directory)
{
    std::vector<std::string> lines;
    const std::string path = ResultsPath(directory);
    struct stat st {};
    // Only a regular file: a named pipe would block the program, a folder
    // has no lines.
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        std::ifstream in(path, std::ios::binary);
        if (in)
            ReadResultsLines(in, lines);
    }
    return lines;
}

} // namespace keldo
