#include "LineReader.h"

#include <algorithm>
#include <cstring>

namespace keldo {

LineReader::LineReader(std::istream& in, LineLimits limits) : m_in(&in), m_limits(limits)
{
    // The first block holds a whole byte-order mark, if there is one.
    m_limits.blockBytes = std::max(m_limits.blockBytes, kByteOrderMark.size());
    m_buffer = std::make_unique<char[]>(m_limits.blockBytes);
    m_data = m_buffer.get();
}

LineReader::LineReader(std::string_view text, LineLimits limits) : m_limits(limits)
{
    const std::string_view lines = WithoutByteOrderMark(text);
    m_data = lines.data();
    m_end = lines.size();
    m_atStart = false;
}

bool LineReader::Fill()
{
    // A first block that holds nothing but the byte-order mark is followed by
    // the next one.
    while (m_in != nullptr && *m_in) {
        m_in->read(m_buffer.get(), static_cast<std::streamsize>(m_limits.blockBytes));
        m_pos = 0;
        m_end = static_cast<size_t>(m_in->gcount());
        if (m_atStart && std::string_view(m_data, m_end).substr(0, kByteOrderMark.size()) == kByteOrderMark)
            m_pos = kByteOrderMark.size();
        m_atStart = false;
        if (m_end > m_pos)
            return true;
    }
    return false;
}

LineReader::Result LineReader::Stop(Result result)
{
    m_stopped = result;
    return result;
}

LineReader::Result LineReader::Next(std::string_view& line)
{
    if (m_stopped != Result::Line)
        return m_stopped;
    m_carry.clear();
    bool found = false;    // a byte of the next line was read
    bool complete = false; // `line` holds it
    while (!complete) {
        if (m_pos == m_end && !Fill())
            break;
        if (!found && static_cast<size_t>(m_lineNumber) >= m_limits.mostLines) {
            ++m_lineNumber; // refused before it is read
            return Stop(Result::TooManyLines);
        }
        found = true;
        const char* start = m_data + m_pos;
        const size_t available = m_end - m_pos;
        const auto* lineEnd = static_cast<const char*>(std::memchr(start, '\n', available));
        const size_t length = lineEnd ? static_cast<size_t>(lineEnd - start) : available;
        // Without its LF the line has at least these bytes, less a CR at its end.
        if (lineEnd == nullptr && m_carry.size() + (available - 1) > m_limits.longestLine) {
            ++m_lineNumber;
            return Stop(Result::TooLong);
        }
        m_pos += lineEnd ? length + 1 : available;
        if (m_carry.empty() && (lineEnd || m_in == nullptr)) {
            line = std::string_view(start, length); // all of it in view: no copy
            complete = true;
        } else {
            m_carry.append(start, length);
            if (lineEnd) {
                line = m_carry;
                complete = true;
            }
        }
    }
    if (m_in != nullptr && m_in->bad())
        return Stop(Result::ReadError);
    if (!found)
        return Stop(Result::End);
    if (!complete)
        line = m_carry; // the last line, without a line end
    ++m_lineNumber;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.size() > m_limits.longestLine)
        return Stop(Result::TooLong);
    return Result::Line;
}

} // namespace keldo
