#pragma once
#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

// Splitting users' files into lines, with the limits a reader sets.
namespace keldo {

// The UTF-8 byte-order mark that editors on Windows and exported
// spreadsheets put before the text; it belongs to no line.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// `text` without a byte-order mark at its start.
inline std::string_view WithoutByteOrderMark(std::string_view text)
{
    return text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? text.substr(kByteOrderMark.size()) : text;
}

inline constexpr size_t kNoLimit = SIZE_MAX;

// What a reader takes of a file; a file beyond a limit is refused rather than
// read whole.
struct LineLimits {
    size_t longestLine = kNoLimit;  // bytes of one line, without its line end
    size_t mostLines = kNoLimit;    // lines in all, blank ones and comments counted
    size_t blockBytes = 256 * 1024; // read from a stream at a time (also the most read past a refused line)
};

// One line after the other: a line ends at LF, and a CR right before its LF
// (or at the very end of the text) is no part of it; a CR anywhere else is.
// A byte-order mark at the start belongs to no line. The last line needs no
// line end; an empty text, or one ending in a line end, has no line after it.
class LineReader {
public:
    enum class Result {
        Line,         // `line` holds the next line
        End,          // no more lines
        TooLong,      // the next line is longer than longestLine
        TooManyLines, // there is a line beyond mostLines
        ReadError,    // the stream failed
    };

    // Reads `in` block by block, holding never more than one block and one
    // line (of at most longestLine bytes), however large the file.
    LineReader(std::istream& in, LineLimits limits);
    // Splits `text`, which the caller keeps; lines are views into it.
    LineReader(std::string_view text, LineLimits limits);

    // The next line; it stays valid until the next call. Every result but
    // Line ends the reading: further calls return it again.
    Result Next(std::string_view& line);

    // The number of the line last returned or refused (TooLong,
    // TooManyLines), from 1.
    long long LineNumber() const { return m_lineNumber; }

private:
    bool Fill();
    Result Stop(Result result);

    std::istream* m_in = nullptr; // null: the whole text is in view
    LineLimits m_limits;
    std::unique_ptr<char[]> m_buffer;
    const char* m_data = nullptr;
    size_t m_pos = 0;
    size_t m_end = 0;
    bool m_atStart = true;
    std::string m_carry; // a line that runs over the end of a block
    long long m_lineNumber = 0;
    Result m_stopped = Result::Line;
};

} // namespace keldo
