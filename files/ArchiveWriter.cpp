#include "ArchiveWriter.h"

#include <bit>

#include "CodePage.h"

namespace keldo {

void ArchiveWriter::WriteU16(uint16_t value)
{
    WriteU8(static_cast<uint8_t>(value));
    WriteU8(static_cast<uint8_t>(value >> 8));
}

void ArchiveWriter::WriteU32(uint32_t value)
{
    WriteU16(static_cast<uint16_t>(value));
    WriteU16(static_cast<uint16_t>(value >> 16));
}

void ArchiveWriter::WriteFloat(float value) { WriteU32(std::bit_cast<uint32_t>(value)); }

// Up to 254 characters: one length byte. Up to 65533: 0xFF and 16 bits.
// From 65534 on (0xFFFE would read as the UTF-16 mark): 0xFF 0xFFFF and 32 bits.
void ArchiveWriter::WriteString(std::string_view text)
{
    const std::string bytes = Utf8ToCp1252(text);
    const size_t length = bytes.size();
    if (length < 0xFF) {
        WriteU8(static_cast<uint8_t>(length));
    } else if (length < 0xFFFE) {
        WriteU8(0xFF);
        WriteU16(static_cast<uint16_t>(length));
    } else {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(static_cast<uint32_t>(length));
    }
    m_bytes += bytes;
}

void ArchiveWriter::WriteCount(uint32_t count)
{
    if (count < 0xFFFF) {
        WriteU16(static_cast<uint16_t>(count));
    } else {
        WriteU16(0xFFFF);
        WriteU32(count);
    }
}

} // namespace keldo
