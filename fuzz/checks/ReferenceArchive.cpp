#include "ReferenceArchive.h"

#include "CodePage.h"

namespace keldo::fuzz {
namespace {

class Cursor {
public:
    explicit Cursor(std::string_view bytes) : m_bytes(bytes) {}

    bool Unsigned(int size, uint32_t& value)
    {
        if (m_bytes.size() - m_pos < static_cast<size_t>(size))
            return false;
        value = 0;
        for (int i = 0; i < size; ++i)
            value |= uint32_t{static_cast<unsigned char>(m_bytes[m_pos + static_cast<size_t>(i)])} << (8 * i);
        m_pos += static_cast<size_t>(size);
        return true;
    }

    bool Bytes(uint64_t count, std::string& out)
    {
        if (m_bytes.size() - m_pos < count)
            return false;
        out.assign(m_bytes.substr(m_pos, static_cast<size_t>(count)));
        m_pos += static_cast<size_t>(count);
        return true;
    }

    size_t Position() const { return m_pos; }

private:
    std::string_view m_bytes;
    size_t m_pos = 0;
};

// 0..254: one byte; 255..65533: 0xFF + 16 bits; else 0xFF 0xFFFF + 32 bits.
// Within a UTF-16 string the second prefix is read the same way, except that
// 0xFFFE there is a plain length.
bool Length(Cursor& in, bool allowUtf16Mark, uint32_t& length, bool& utf16, bool& canonical)
{
    uint32_t first = 0;
    if (!in.Unsigned(1, first))
        return false;
    if (first < 0xFF) {
        length = first;
        return true;
    }
    uint32_t word = 0;
    if (!in.Unsigned(2, word))
        return false;
    if (word == 0xFFFE && allowUtf16Mark) {
        utf16 = true;
        canonical = false;
        bool ignored = false;
        return Length(in, false, length, ignored, canonical);
    }
    if (word < 0xFFFF) {
        length = word;
        canonical = canonical && word >= 0xFF;
        return true;
    }
    if (!in.Unsigned(4, length))
        return false;
    canonical = canonical && length >= 0xFFFE;
    return true;
}

bool String(Cursor& in, ReferenceString& s, bool& canonical)
{
    uint32_t length = 0;
    if (!Length(in, true, length, s.utf16, canonical))
        return false;
    if (!in.Bytes(s.utf16 ? uint64_t{length} * 2 : length, s.raw))
        return false;
    if (s.utf16)
        s.utf8 = Utf16LeToUtf8(s.raw);
    return true;
}

} // namespace

std::string Utf16LeToUtf8(std::string_view units)
{
    std::vector<uint32_t> u;
    for (size_t i = 0; i + 1 < units.size(); i += 2)
        u.push_back(static_cast<unsigned char>(units[i]) | (uint32_t{static_cast<unsigned char>(units[i + 1])} << 8));
    std::string out;
    for (size_t i = 0; i < u.size(); ++i) {
        const bool high = u[i] >= 0xD800 && u[i] <= 0xDBFF;
        if (high && i + 1 < u.size() && u[i + 1] >= 0xDC00 && u[i + 1] <= 0xDFFF) {
            keldo::AppendUtf8(out, 0x10000 + ((u[i] - 0xD800) << 10) + (u[i + 1] - 0xDC00));
            ++i;
        } else if (u[i] >= 0xD800 && u[i] <= 0xDFFF) {
            keldo::AppendUtf8(out, 0xFFFD);
        } else {
            keldo::AppendUtf8(out, u[i]);
        }
    }
    return out;
}

ReferenceDocument ReadReferenceDocument(std::string_view bytes)
{
    ReferenceDocument doc;
    Cursor in(bytes);
    if (!String(in, doc.name, doc.canonical))
        return doc;
    for (auto& bits : doc.floatsBeforeFluid)
        if (!in.Unsigned(4, bits))
            return doc;
    uint32_t fluid = 0;
    if (!in.Unsigned(4, fluid) || !in.Unsigned(4, doc.contactAngleBits))
        return doc;
    doc.fluid = static_cast<int32_t>(fluid);
    uint32_t count = 0;
    if (!in.Unsigned(2, count))
        return doc;
    if (count == 0xFFFF) {
        if (!in.Unsigned(4, count))
            return doc;
        doc.canonical = doc.canonical && count >= 0xFFFF;
    }
    // Each string takes at least one byte, so the bytes bound the loop.
    for (uint32_t i = 0; i < count; ++i) {
        ReferenceString line;
        if (!String(in, line, doc.canonical))
            return doc;
        doc.lines.push_back(std::move(line));
    }
    doc.anyUtf16 = doc.name.utf16;
    for (const auto& line : doc.lines)
        doc.anyUtf16 = doc.anyUtf16 || line.utf16;
    doc.complete = true;
    doc.consumed = in.Position();
    return doc;
}

} // namespace keldo::fuzz
