#include "Utf8Text.h"

namespace keldo {

bool IsValidUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        char32_t cp = 0, lowest = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            extra = 1, cp = b & 0x1F, lowest = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2, cp = b & 0x0F, lowest = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3, cp = b & 0x07, lowest = 0x10000;
        } else {
            return false;
        }
        if (text.size() - i <= static_cast<size_t>(extra))
            return false; // cut off at the end
        for (int k = 1; k <= extra; ++k) {
            const char c = text[i + static_cast<size_t>(k)];
            if (!IsUtf8Continuation(c))
                return false;
            cp = (cp << 6) | (static_cast<unsigned char>(c) & 0x3F);
        }
        if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += static_cast<size_t>(extra) + 1;
    }
    return true;
}

size_t Utf8Length(std::string_view text)
{
    size_t count = 0;
    for (char c : text)
        count += IsUtf8Continuation(c) ? 0 : 1;
    return count;
}

std::string_view CutToCharacters(std::string_view text, size_t count)
{
    size_t started = 0;
    for (size_t i = 0; i < text.size(); ++i)
        if (!IsUtf8Continuation(text[i]) && ++started > count)
            return text.substr(0, i);
    return text;
}

std::string_view CutToBytes(std::string_view text, size_t bytes)
{
    if (text.size() <= bytes)
        return text;
    text = text.substr(0, bytes);
    // The start of the last sequence, and whether it is whole within the cut.
    size_t start = text.size();
    while (start > 0 && IsUtf8Continuation(text[start - 1]))
        --start;
    if (start > 0 && static_cast<unsigned char>(text[start - 1]) >= 0xC0 && !IsValidUtf8(text.substr(start - 1)))
        text = text.substr(0, start - 1);
    return text;
}

std::string PadToCharacters(std::string_view text, size_t width, bool alignLeft)
{
    const std::string_view cut = CutToCharacters(text, width);
    const std::string fill(width - Utf8Length(cut), ' ');
    return alignLeft ? std::string(cut) + fill : fill + std::string(cut);
}

} // namespace keldo
