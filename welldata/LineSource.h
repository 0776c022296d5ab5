#pragma once
#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

// Splits a stream into lines for the LAS and survey readers without ever
// holding more than one read block and one line, however large the file.
namespace keldo {

class LineSource {
public:
    // Lines longer than `longestLine` bytes (without the line end) are
    // reported as TooLong instead of being collected.
    LineSource(std::istream& in, size_t longestLine);

    enum class Result { Line, End, TooLong, ReadError };

    // The next line without its LF or CR LF; a UTF-8 byte-order mark at the
    // start of the stream belongs to no line. `line` stays valid until the
    // next call.
    Result Next(std::string_view& line);

    // The number of the line last returned (or found too long), from 1.
    long long LineNumber() const { return m_lineNumber; }

private:
    bool Fill();

    std::istream& m_in;
    size_t m_longestLine;
    std::unique_ptr<char[]> m_buffer;
    size_t m_pos = 0;
    size_t m_end = 0;
    bool m_atStart = true;
    std::string m_carry; // a line that runs over the end of a block
    long long m_lineNumber = 0;
};

// Lines of LAS files and surveys are far shorter; a longer one means the file
// is something else (or damaged), and reading it whole would only cost memory.
inline constexpr size_t kLongestWellDataLine = 1 << 20;

} // namespace keldo
