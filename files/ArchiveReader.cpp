#include "ArchiveReader.h"

#include <bit>

#include "CodePage.h"
#include "TextFormat.h"

namespace keldo {

bool ArchiveReader::Need(size_t n, const std::string& field)
{
    if (Remaining() >= n)
        return true;
    if (m_error.empty())
        m_error = Format(
            "Die Datei ist unvollständig: sie endet nach %zu Bytes beim Lesen %s.", m_bytes.size(), field.c_str());
    return false;
}

uint32_t ArchiveReader::TakeLittleEndian(int size)
{
    uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(m_bytes[m_pos + i])) << (8 * i);
    m_pos += static_cast<size_t>(size);
    return value;
}

bool ArchiveReader::ReadU8(uint8_t& value, const std::string& field)
{
    if (!Need(1, field))
        return false;
    value = static_cast<uint8_t>(TakeLittleEndian(1));
    return true;
}

bool ArchiveReader::ReadU16(uint16_t& value, const std::string& field)
{
    if (!Need(2, field))
        return false;
    value = static_cast<uint16_t>(TakeLittleEndian(2));
    return true;
}

bool ArchiveReader::ReadU32(uint32_t& value, const std::string& field)
{
    if (!Need(4, field))
        return false;
    value = TakeLittleEndian(4);
    return true;
}

bool ArchiveReader::ReadInt32(int32_t& value, const std::string& field)
{
    uint32_t raw = 0;
    if (!ReadU32(raw, field))
        return false;
    value = static_cast<int32_t>(raw);
    return true;
}

bool ArchiveReader::ReadFloat(float& value, const std::string& field)
{
    uint32_t raw = 0;
    if (!ReadU32(raw, field))
        return false;
    // Bit for bit: NaN and infinities come in as they were stored.
    value = std::bit_cast<float>(raw);
    return true;
}

// Length prefix: one byte below 0xFF; else 0xFF and a 16-bit length below
// 0xFFFF; else 0xFFFF and a 32-bit length. 0xFF 0xFFFE marks a UTF-16 string
// whose own length prefix follows (there 0xFFFE is just a length).
bool ArchiveReader::ReadLength(uint32_t& length, bool& utf16, const std::string& field)
{
    utf16 = false;
    uint8_t byteLength = 0;
    if (!ReadU8(byteLength, field))
        return false;
    if (byteLength < 0xFF) {
        length = byteLength;
        return true;
    }
    uint16_t wordLength = 0;
    if (!ReadU16(wordLength, field))
        return false;
    if (wordLength == 0xFFFE) {
        utf16 = true;
        if (!ReadU8(byteLength, field))
            return false;
        if (byteLength < 0xFF) {
            length = byteLength;
            return true;
        }
        if (!ReadU16(wordLength, field))
            return false;
    }
    if (wordLength < 0xFFFF) {
        length = wordLength;
        return true;
    }
    return ReadU32(length, field);
}

bool ArchiveReader::ReadString(std::string& text, const std::string& field)
{
    uint32_t length = 0;
    bool utf16 = false;
    if (!ReadLength(length, utf16, field))
        return false;
    const uint64_t byteCount = utf16 ? uint64_t{length} * 2 : uint64_t{length};
    if (byteCount > Remaining()) {
        m_error = Format("Die Datei ist beschädigt: die Länge %s (%u Zeichen) ist größer "
                         "als der Rest der Datei (%zu Bytes).",
            field.c_str(), length, Remaining());
        return false;
    }
    std::string_view raw = m_bytes.substr(m_pos, static_cast<size_t>(byteCount));
    m_pos += raw.size();
    if (!utf16) {
        text = Cp1252ToUtf8(raw);
        return true;
    }
    text.clear();
    text.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); i += 2) {
        char32_t unit = static_cast<unsigned char>(raw[i]) | (static_cast<unsigned char>(raw[i + 1]) << 8);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < raw.size()) {
            char32_t low = static_cast<unsigned char>(raw[i + 2]) | (static_cast<unsigned char>(raw[i + 3]) << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        // A lone surrogate has no character: the replacement character
        // stands for it (and becomes '?' when the text is saved).
        if (unit >= 0xD800 && unit <= 0xDFFF)
            unit = 0xFFFD;
        AppendUtf8(text, unit);
    }
    return true;
}

// A count below 0xFFFF is 16-bit; otherwise 0xFFFF and the 32-bit count follow.
bool ArchiveReader::ReadCount(uint32_t& count, size_t minElementSize, const std::string& field)
{
    const std::string countField = "der Anzahl " + field;
    uint16_t shortCount = 0;
    if (!ReadU16(shortCount, countField))
        return false;
    count = shortCount;
    if (shortCount == 0xFFFF && !ReadU32(count, countField))
        return false;
    if (uint64_t{count} * minElementSize > Remaining()) {
        m_error = Format("Die Datei ist beschädigt: die Anzahl %s (%u) ist größer, "
                         "als die restlichen %zu Bytes fassen können.",
            field.c_str(), count, Remaining());
        return false;
    }
    return true;
}

} // namespace keldo
