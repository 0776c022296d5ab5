#include "MeasurementImport.h"

#include <algorithm>
#include <cmath>
#include <cerrno>
#include <istream>

#include "CodePage.h"
#include "FileAccess.h"
#include "LineReader.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// The longest line the import takes is 98 characters: a line that filled the
// 99 characters of the original reading buffer counted as too long. The file
// is read 64 KiB at a time.
constexpr LineLimits kMeasurementLimits{98, kNoLimit, 1 << 16};

// Up to a NUL byte, as the C text functions see the line.
std::string_view UpToNul(std::string_view line) { return line.substr(0, line.find('\0')); }

// The raw line as a message shows it: up to a NUL byte, converted to the
// program's UTF-8.
std::string RawForMessage(std::string_view line) { return Cp1252ToUtf8(UpToNul(line)); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A refused line with a decimal comma ("0,25") most likely comes from a
// program that writes numbers the German way, where the comma ends the
// number. The message then gets one more line that shows the first such
// number of the line written with a decimal point; otherwise this is empty.
std::string DecimalCommaHint(std::string_view line)
{
    const std::string_view text = UpToNul(line); // the line as the message shows it
    for (size_t comma = 1; comma + 1 < text.size(); ++comma) {
        if (text[comma] != ',' || !IsDigit(text[comma - 1]) || !IsDigit(text[comma + 1]))
            continue;
        size_t begin = comma - 1;
        while (begin > 0 && IsDigit(text[begin - 1]))
            --begin;
        size_t end = comma + 2;
        while (end < text.size() && IsDigit(text[end]))
            ++end;
        const std::string written(text.substr(begin, end - begin));
        std::string withPoint = written;
        withPoint[comma - begin] = '.';
        return "\nBitte den Dezimalpunkt verwenden: " + withPoint + " statt " + written;
    }
    return {};
}

std::string AbortMessage(long long n, std::string_view line, const char* reason)
{
    return Format("ABBRUCH in der %lld.Zeile\n", n) + RawForMessage(line) + "\n" + reason + DecimalCommaHint(line);
}

} // namespace

bool ImportMeasurementStream(std::istream& in, bool descending, IMessageBox& messages, std::vector<std::string>& lines)
{
    LineReader reader(in, kMeasurementLimits);
    std::string_view line;
    float previousTvd = 0;
    for (;;) {
        const LineReader::Result result = reader.Next(line);
        if (result == LineReader::Result::End)
            break;
        if (result == LineReader::Result::ReadError) {
            messages.Show("ABBRUCH!!Beim Lesen der Datei ist ein Fehler aufgetreten!");
            return false;
        }
        const long long n = reader.LineNumber();
        if (result != LineReader::Result::Line) {
            messages.Show(Format("In der %lld.Zeile 100 Zeichen gelesen", n));
            return false;
        }
        float v[3];
        // A value too large for a float is no usable number either.
        if (ScanFloats(line, v, 3) < 3 || !std::isfinite(v[0]) || !std::isfinite(v[1]) || !std::isfinite(v[2])) {
            messages.Show("Die Zeile enhält keine 3 Werte\n " + RawForMessage(line) + DecimalCommaHint(line));
            return false;
        }
        const float tvd = v[0], porosity = v[1], sw = v[2];
        if (n > 1) {
            if (descending && tvd >= previousTvd) {
                messages.Show(AbortMessage(n, line, "Die Teufe nimmt nicht ab!"));
                return false;
            }
            if (!descending && tvd <= previousTvd) {
                messages.Show(AbortMessage(n, line, "Die Teufe nimmt nicht zu!"));
                return false;
            }
        }
        const char* reason = nullptr;
        if (porosity <= 0.0f)
            reason = "Die Porosität<=0";
        else if (porosity >= 1.0f)
            reason = "Die Porosität>=1";
        else if (sw <= 0.0f)
            reason = "Die Wassersättigung<=0";
        else if (sw > 1.0f)
            reason = "Die Wassersättigung>1";
        if (reason) {
            messages.Show(AbortMessage(n, line, reason));
            return false;
        }
        previousTvd = tvd;
        std::string stored;
        stored.reserve(40);
        AppendMeasurementLine(stored, tvd, porosity, sw);
        lines.push_back(std::move(stored));
    }
    return true;
}

std::string CannotOpenMessage(const std::string& path, int err)
{
    std::string message = "ABBRUCH!!Die Datei " + path + " kann nicht gelesen werden!";
    // A missing file or a folder keeps the message of old; a pipe, a device
    // or a refusal says why.
    if (err != 0 && err != ENOENT && err != EISDIR)
        message += "\n" + SystemErrorReason(err);
    return message;
}

bool OpenMeasurementFile(const std::string& path, InputFile& in, int& err) { return in.Open(path, err); }

bool ImportMeasurementFile(
    const std::string& path, bool descending, IMessageBox& messages, std::vector<std::string>& lines)
{
    InputFile in;
    int err = 0;
    if (!OpenMeasurementFile(path, in, err)) {
        messages.Show(CannotOpenMessage(path, err));
        return false;
    }
    return ImportMeasurementStream(in.Stream(), descending, messages, lines);
}

} // namespace keldo
