#include "LineSource.h"

#include <cstring>

namespace keldo {
namespace {

constexpr size_t kBlockSize = 1 << 18;

} // namespace

LineSource::LineSource(std::istream& in, size_t longestLine)
    : m_in(in), m_longestLine(longestLine), m_buffer(std::make_unique<char[]>(kBlockSize))
{}

bool LineSource::Fill()
{
    if (!m_in)
        return false;
    m_in.read(m_buffer.get(), kBlockSize);
    m_pos = 0;
    m_end = static_cast<size_t>(m_in.gcount());
    if (m_atStart && m_end >= 3 && std::memcmp(m_buffer.get(), "\xEF\xBB\xBF", 3) == 0)
        m_pos = 3;
    m_atStart = false;
    return m_end > m_pos;
}

LineSource::Result LineSource::Next(std::string_view& line)
{
    m_carry.clear();
    bool readAnything = false;
    bool endedByLineEnd = false;
    while (!endedByLineEnd) {
        if (m_pos == m_end && !Fill())
            break;
        readAnything = true;
        const char* start = m_buffer.get() + m_pos;
        const size_t available = m_end - m_pos;
        const auto* lineEnd = static_cast<const char*>(std::memchr(start, '\n', available));
        if (lineEnd == nullptr) {
            if (m_carry.size() + available > m_longestLine + 1) { // + 1: room for a CR before the LF
                ++m_lineNumber;
                return Result::TooLong;
            }
            m_carry.append(start, available);
            m_pos = m_end;
            continue;
        }
        const auto length = static_cast<size_t>(lineEnd - start);
        m_pos += length + 1;
        if (m_carry.empty()) {
            line = std::string_view(start, length);
        } else {
            m_carry.append(start, length);
            line = m_carry;
        }
        endedByLineEnd = true;
    }
    if (m_in.bad())
        return Result::ReadError;
    if (!readAnything)
        return Result::End;
    if (!endedByLineEnd)
        line = m_carry; // the last line, without a line end
    ++m_lineNumber;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.size() > m_longestLine)
        return Result::TooLong;
    return Result::Line;
}

} // namespace keldo
