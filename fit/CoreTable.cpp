#include "CoreTable.h"

#include <cerrno>
#include <cmath>

#include "AsciiText.h"
#include "CodePage.h"
#include "InputFile.h"
#include "LineReader.h"
#include "MeasurementImport.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// A core table is read a block at a time.
constexpr LineLimits kCoreTableLimits{kLongestCoreTableLine, kNoLimit, 64 * 1024};
// The beginning of a bad line that its message quotes.
constexpr size_t kQuotedChars = 100;

// The line as a message shows it: its beginning, in the program's UTF-8
// whether the file was written in UTF-8 or in the Windows code page.
std::string Quoted(std::string_view line)
{
    return FileTextToUtf8(line.substr(0, line.find('\0')).substr(0, kQuotedChars));
}

// The first three blank-separated fields of `line` as numbers.
bool ParseThreeNumbers(std::string_view line, double (&values)[3])
{
    size_t pos = 0;
    for (double& value : values) {
        const std::string_view word = NextWord(line, pos);
        float v = 0;
        if (word.empty() || !ParseWholeFloat(word, v) || !std::isfinite(v))
            return false;
        value = v;
    }
    return true;
}

bool StartsWithLetter(std::string_view trimmed)
{
    const auto c = static_cast<unsigned char>(trimmed.front());
    // Bytes from 0x80 on begin umlauts in either code.
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80;
}

} // namespace

std::string CoreTableError::Message() const
{
    switch (kind) {
    case CoreTableErrorKind::CannotOpen:
        return CannotOpenMessage(file, reason);
    case CoreTableErrorKind::TooLarge:
        return "ABBRUCH!!Die Datei " + file + " ist mit mehr als 64 MB zu groß für eine Tabelle von Kerndaten!";
    case CoreTableErrorKind::BadLine:
        return Format("ABBRUCH in der %lld.Zeile der Datei ", line) + file + "\n" + quoted
            + "\nDie Zeile enthält nicht Teufe, Porosität und Permeabilität (mD) als drei Zahlen!";
    case CoreTableErrorKind::LineTooLong:
        return Format("ABBRUCH in der %lld.Zeile der Datei ", line) + file
            + Format("\nDie Zeile ist länger als %zu Zeichen!", kLongestCoreTableLine);
    }
    return {};
}

namespace {

bool ReadCoreLines(LineReader& lines, const std::string& name, std::vector<PhiKSample>& samples, CoreTableError& error)
{
    samples.clear();
    bool dataSeen = false;
    std::string_view line;
    for (;;) {
        const LineReader::Result result = lines.Next(line);
        if (result == LineReader::Result::End)
            return true;
        const long long lineNumber = lines.LineNumber();
        if (result != LineReader::Result::Line) {
            samples.clear();
            if (result == LineReader::Result::ReadError)
                error = {CoreTableErrorKind::CannotOpen, name, 0, {}, EIO};
            else // a core table sets no limit on its lines' number
                error = {CoreTableErrorKind::LineTooLong, name, lineNumber, {}, 0};
            return false;
        }
        const std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed.front() == '#')
            continue;
        if (!dataSeen && StartsWithLetter(trimmed))
            continue;

        double v[3];
        if (!ParseThreeNumbers(line, v)) {
            samples.clear();
            error = {CoreTableErrorKind::BadLine, name, lineNumber, Quoted(line), 0};
            return false;
        }
        dataSeen = true;
        samples.push_back({v[0], v[1], v[2]});
    }
}

} // namespace

bool ReadCoreTableText(
    std::string_view text, const std::string& name, std::vector<PhiKSample>& samples, CoreTableError& error)
{
    LineReader lines(text, kCoreTableLimits);
    return ReadCoreLines(lines, name, samples, error);
}

bool ReadCoreTable(const std::string& path, std::vector<PhiKSample>& samples, CoreTableError& error)
{
    samples.clear();
    InputFile in;
    int err = 0;
    if (!in.Open(path, err)) {
        error = {CoreTableErrorKind::CannotOpen, path, 0, {}, err};
        return false;
    }
    if (in.Size() > kMostCoreTableBytes) {
        error = {CoreTableErrorKind::TooLarge, path, 0, {}, 0};
        return false;
    }
    LineReader lines(in.Stream(), kCoreTableLimits);
    return ReadCoreLines(lines, path, samples, error);
}

} // namespace keldo
