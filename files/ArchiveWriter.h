#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace keldo {

// Builds the bytes of the binary document archive: little-endian numbers,
// length-prefixed Windows-1252 strings and 16/32-bit list counts, the forms
// that ArchiveReader reads.
class ArchiveWriter {
public:
    void WriteU8(uint8_t value) { m_bytes += static_cast<char>(value); }
    void WriteU16(uint16_t value);
    void WriteU32(uint32_t value);
    void WriteInt32(int32_t value) { WriteU32(static_cast<uint32_t>(value)); }
    void WriteFloat(float value);
    // `text` is UTF-8; characters that Windows-1252 cannot hold become '?'.
    void WriteString(std::string_view text);
    void WriteCount(uint32_t count);

    const std::string& Bytes() const { return m_bytes; }
    std::string Take() { return std::move(m_bytes); }

private:
    std::string m_bytes;
};

} // namespace keldo
