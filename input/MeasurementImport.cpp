#include "MeasurementImport.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>

#include "CodePage.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// The longest line the import takes is 98 characters: a line that fills the
// 99 characters of the reading buffer counts as too long.
constexpr size_t kLineLimit = 99;

// Splits a stream into lines without ever holding more than a fixed buffer
// and the first 100 characters of a line, however long the line is.
class LineReader {
public:
    explicit LineReader(std::istream& in) : m_in(in) {}

    // Reads the next line without its line end. False when nothing more can
    // be read. `tooLong` is set for a line of kLineLimit or more characters;
    // its text then holds only the beginning of the line.
    bool ReadLine(std::string& line, bool& tooLong)
    {
        line.clear();
        tooLong = false;
        bool readAnything = false;
        for (;;) {
            if (m_pos == m_end && !Fill())
                break;
            readAnything = true;
            size_t room = kLineLimit + 1 - line.size();
            size_t avail = std::min(m_end - m_pos, room);
            const char* start = m_buffer + m_pos;
            const void* nl = std::memchr(start, '\n', avail);
            if (nl) {
                size_t len = static_cast<const char*>(nl) - start;
                line.append(start, len);
                m_pos += len + 1;
                break;
            }
            line.append(start, avail);
            m_pos += avail;
            if (line.size() > kLineLimit) {
                tooLong = true;
                return true;
            }
        }
        if (!readAnything)
            return false;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        tooLong = line.size() >= kLineLimit;
        return true;
    }

private:
    bool Fill()
    {
        if (!m_in)
            return false;
        m_in.read(m_buffer, sizeof m_buffer);
        m_pos = 0;
        m_end = static_cast<size_t>(m_in.gcount());
        // Editors on Windows put a UTF-8 byte-order mark before the text; it
        // belongs to no line.
        if (m_atStart && m_end >= 3 && std::memcmp(m_buffer, "\xEF\xBB\xBF", 3) == 0)
            m_pos = 3;
        m_atStart = false;
        return m_end > m_pos;
    }

    std::istream& m_in;
    char m_buffer[1 << 16];
    size_t m_pos = 0;
    size_t m_end = 0;
    bool m_atStart = true;
};

// The raw line as a message shows it: up to a NUL byte, as the C text
// functions see it, and converted to the program's UTF-8.
std::string RawForMessage(const std::string& line) { return Cp1252ToUtf8(std::string_view(line.c_str())); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A refused line with a decimal comma ("0,25") most likely comes from a
// program that writes numbers the German way, where the comma ends the
// number. The message then gets one more line that shows the first such
// number of the line written with a decimal point; otherwise this is empty.
std::string DecimalCommaHint(const std::string& line)
{
    const std::string_view text(line.c_str()); // the line as the message shows it
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

std::string AbortMessage(long long n, const std::string& line, const char* reason)
{
    return Format("ABBRUCH in der %lld.Zeile\n", n) + RawForMessage(line) + "\n" + reason + DecimalCommaHint(line);
}

} // namespace

bool ImportMeasurementStream(std::istream& in, bool descending, IMessageBox& messages, std::vector<std::string>& lines)
{
    auto reader = std::make_unique<LineReader>(in); // 64 KiB: keep it off the stack
    std::string line;
    bool tooLong = false;
    float previousTvd = 0;
    long long n = 0;
    while (reader->ReadLine(line, tooLong)) {
        ++n;
        if (tooLong) {
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
    if (in.bad()) {
        messages.Show("ABBRUCH!!Beim Lesen der Datei ist ein Fehler aufgetreten!");
        return false;
    }
    return true;
}

std::string CannotOpenMessage(const std::string& path)
{
    return "ABBRUCH!!Die Datei " + path + " kann nicht gelesen werden!";
}

bool OpenMeasurementFile(const std::string& path, std::ifstream& in)
{
    // A directory opens like a file here but reads nothing.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return false;
    in.open(path, std::ios::binary);
    return in.is_open();
}

bool ImportMeasurementFile(
    const std::string& path, bool descending, IMessageBox& messages, std::vector<std::string>& lines)
{
    std::ifstream in;
    if (!OpenMeasurementFile(path, in)) {
        messages.Show(CannotOpenMessage(path));
        return false;
    }
    return ImportMeasurementStream(in, descending, messages, lines);
}

} // namespace keldo
