#include "TextFormat.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <locale.h>

namespace keldo {
namespace {

locale_t CLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

// Switches this thread to the "C" locale for the lifetime of the object.
class CLocaleScope {
public:
    CLocaleScope() : m_old(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(m_old); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_old;
};

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number at the start of `s` (sign, digits, point,
// exponent), 0 when there is none.
size_t DecimalNumberLength(std::string_view s)
{
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

} // namespace

std::string Format(const char* fmt, ...)
{
    CLocaleScope scope;
    char buffer[512];
    va_list args;
    va_start(args, fmt);
    va_list again;
    va_copy(again, args);
    int n = std::vsnprintf(buffer, sizeof buffer, fmt, args);
    va_end(args);
    std::string result;
    if (n < 0) {
        va_end(again);
        return result;
    }
    if (static_cast<size_t>(n) < sizeof buffer) {
        result.assign(buffer, static_cast<size_t>(n));
    } else {
        result.resize(static_cast<size_t>(n));
        std::vsnprintf(result.data(), result.size() + 1, fmt, again);
    }
    va_end(again);
    return result;
}

void AppendFixed(std::string& out, double value, int width, int precision)
{
    char buffer[400];
    int n;
    if (std::isfinite(value) && std::fabs(value) < 1e300) {
        auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
        n = r.ec == std::errc() ? static_cast<int>(r.ptr - buffer) : -1;
    } else {
        n = -1;
    }
    if (n < 0) {
        out += Format("%*.*f", width, precision, value);
        return;
    }
    if (n < width)
        out.append(static_cast<size_t>(width - n), ' ');
    out.append(buffer, static_cast<size_t>(n));
}

namespace {

// Reads one number at `pos` (after white space); advances `pos` past it.
bool ScanOne(std::string_view text, size_t& pos, float& out)
{
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    std::string_view rest = text.substr(pos);
    size_t len = DecimalNumberLength(rest);
    if (len == 0)
        return false;
    std::string_view number = rest.substr(0, len);
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    float v = 0;
    auto r = std::from_chars(number.data(), number.data() + number.size(), v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Overflow or underflow: from_chars leaves v untouched, strtof gives
        // HUGE_VALF or the nearest denormal (or zero). Take strtof's answer.
        std::string copy(number);
        v = strtof_l(copy.c_str(), nullptr, CLocale());
    } else if (r.ec != std::errc()) {
        return false;
    }
    out = negative ? -v : v;
    pos += len;
    return true;
}

} // namespace

int ScanFloats(std::string_view text, float* values, int count)
{
    size_t pos = 0;
    for (int k = 0; k < count; ++k)
        if (!ScanOne(text, pos, values[k]))
            return k;
    return count;
}

bool ParseWholeFloat(std::string_view text, float& value)
{
    size_t pos = 0;
    float v = 0;
    if (!ScanOne(text, pos, v))
        return false;
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    if (pos != text.size())
        return false;
    value = v;
    return true;
}

} // namespace keldo
