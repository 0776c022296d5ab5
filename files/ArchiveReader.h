#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace keldo {

// Reads the fields of the binary document archive from a byte buffer:
// little-endian numbers, length-prefixed strings (one byte per character in
// Windows-1252, or UTF-16LE behind the 0xFF 0xFFFE mark) and 16/32-bit list
// counts. Every read checks the bytes that remain, so a truncated or
// corrupted file ends in an error text and never in an overrun or in an
// allocation larger than the file itself.
class ArchiveReader {
public:
    explicit ArchiveReader(std::string_view bytes) : m_bytes(bytes) {}

    // Each returns false and sets Error() when the bytes do not suffice.
    // `field` names what is read in the genitive, for the error text
    // ("des Namens der Bohrung", "der Messwertzeile 3").
    bool ReadU8(uint8_t& value, const std::string& field);
    bool ReadU16(uint16_t& value, const std::string& field);
    bool ReadU32(uint32_t& value, const std::string& field);
    bool ReadInt32(int32_t& value, const std::string& field);
    bool ReadFloat(float& value, const std::string& field);
    // A string, converted to UTF-8.
    bool ReadString(std::string& text, const std::string& field);
    // A list count; fails when the remaining bytes cannot hold `count`
    // elements of at least `minElementSize` bytes each.
    bool ReadCount(uint32_t& count, size_t minElementSize, const std::string& field);

    size_t Offset() const { return m_pos; }
    size_t Remaining() const { return m_bytes.size() - m_pos; }
    const std::string& Error() const { return m_error; }

private:
    bool Need(size_t n, const std::string& field);
    bool ReadLength(uint32_t& length, bool& utf16, const std::string& field);
    uint32_t TakeLittleEndian(int size);

    std::string_view m_bytes;
    size_t m_pos = 0;
    std::string m_error;
};

} // namespace keldo
