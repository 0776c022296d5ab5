#include "TextFormat.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <locale.h>

#include "AsciiText.h"
#include "Utf8Text.h"

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

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal number at the start of a text, as far as the grammar goes:
// [sign] digits [. digits] [e|E [sign] digits], at least one digit before the
// exponent. Besides its length it gathers the digits as an integer and the
// power of ten that scales them, for the exact short path of the conversion.
struct DecimalNumber {
    size_t length = 0; // 0: no number
    bool negative = false;
    uint64_t mantissa = 0;     // the digits without the point
    bool mantissaExact = true; // false when the digits did not fit
    int64_t exponent10 = 0;    // value = mantissa * 10^exponent10
};

DecimalNumber ReadDecimalNumber(std::string_view s)
{
    DecimalNumber n;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        n.negative = s[i] == '-';
        ++i;
    }
    size_t digits = 0;
    auto takeDigit = [&n](char c) {
        if (n.mantissa > (UINT64_MAX - 9) / 10)
            n.mantissaExact = false;
        else
            n.mantissa = n.mantissa * 10 + static_cast<uint64_t>(c - '0');
    };
    while (i < s.size() && IsDigit(s[i])) {
        takeDigit(s[i]);
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            takeDigit(s[i]);
            --n.exponent10;
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return DecimalNumber{};
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            negativeExponent = s[j] == '-';
            ++j;
        }
        if (j < s.size() && IsDigit(s[j])) {
            int64_t e = 0;
            while (j < s.size() && IsDigit(s[j])) {
                if (e < 100000)
                    e = e * 10 + (s[j] - '0');
                ++j;
            }
            n.exponent10 += negativeExponent ? -e : e;
            i = j;
        }
    }
    n.length = i;
    return n;
}

// Digits and powers of ten that a float holds exactly: one division or
// multiplication of the two then gives the correctly rounded float, the same
// as strtof (the classic fast path of decimal conversion).
bool ConvertExactly(const DecimalNumber& n, float& value)
{
    static constexpr float kPowers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    if (!n.mantissaExact || n.mantissa > (uint64_t{1} << 24) || n.exponent10 < -10 || n.exponent10 > 10)
        return false;
    const float m = static_cast<float>(n.mantissa);
    value = n.exponent10 < 0 ? m / kPowers[-n.exponent10] : m * kPowers[n.exponent10];
    return true;
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

namespace {

// "%.<precision>f" of a finite value whose scaled magnitude fits in 128 bits,
// by integer arithmetic on its exact binary value: the value times
// 10^precision, rounded half to even as printf rounds. Returns the length
// written to `buffer`, or -1 when the value is outside this path.
int FormatFixedExactly(char* buffer, double value, int precision)
{
    if (precision < 0 || precision > 9)
        return -1;
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent); // value = fraction * 2^exponent
    // The 53 significant bits as an integer: |value| = mantissa * 2^shift.
    const auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
    const int shift = exponent - 53;
    using u128 = unsigned __int128;
    static constexpr uint64_t kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
    const u128 scaled = static_cast<u128>(mantissa) * kPow10[precision]; // below 2^83
    u128 q;
    if (shift >= 0) {
        if (shift > 40)
            return -1; // large values go the general way
        q = scaled << shift;
    } else if (-shift >= 100) {
        q = 0; // far below one half of the last place
    } else {
        const int s = -shift;
        q = scaled >> s;
        const u128 rest = scaled & ((u128{1} << s) - 1);
        const u128 half = u128{1} << (s - 1);
        if (rest > half || (rest == half && (q & 1) != 0))
            ++q;
    }
    char digits[48];
    int n = 0;
    while (q >> 64 != 0) { // 128-bit division only for the rare huge values
        digits[n++] = static_cast<char>('0' + static_cast<int>(q % 10));
        q /= 10;
    }
    auto small = static_cast<uint64_t>(q);
    do {
        digits[n++] = static_cast<char>('0' + static_cast<int>(small % 10));
        small /= 10;
    } while (small != 0);
    while (n < precision + 1)
        digits[n++] = '0';
    int length = 0;
    if (std::signbit(value))
        buffer[length++] = '-';
    for (int i = n - 1; i >= 0; --i) {
        buffer[length++] = digits[i];
        if (i == precision && precision > 0)
            buffer[length++] = '.';
    }
    return length;
}

} // namespace

void AppendFixed(std::string& out, double value, int width, int precision)
{
    char buffer[400];
    int n = std::isfinite(value) ? FormatFixedExactly(buffer, value, precision) : -1;
    if (n < 0 && std::isfinite(value) && std::fabs(value) < 1e300) {
        auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
        n = r.ec == std::errc() ? static_cast<int>(r.ptr - buffer) : -1;
    }
    if (n < 0) {
        out += Format("%*.*f", width, precision, value);
        return;
    }
    if (n < width)
        out.append(static_cast<size_t>(width - n), ' ');
    out.append(buffer, static_cast<size_t>(n));
}

std::string Labelled(const std::string& label, const std::string& unit, const std::string& value)
{
    const std::string tail = "(" + unit + ")";
    const size_t used = Utf8Length(label) + tail.size();
    return "  " + label + std::string(used < 38 ? 38 - used : 1, ' ') + tail + ":" + value;
}

namespace {

// Reads one number at `pos` (after white space); advances `pos` past it.
bool ScanOne(std::string_view text, size_t& pos, float& out)
{
    while (pos < text.size() && IsBlank(text[pos])) // isspace of the "C" locale
        ++pos;
    std::string_view rest = text.substr(pos);
    const DecimalNumber n = ReadDecimalNumber(rest);
    if (n.length == 0)
        return false;
    float v = 0;
    if (!ConvertExactly(n, v)) {
        std::string_view number = rest.substr(0, n.length);
        if (number.front() == '+' || number.front() == '-')
            number.remove_prefix(1);
        auto r = std::from_chars(number.data(), number.data() + number.size(), v, std::chars_format::general);
        if (r.ec == std::errc::result_out_of_range) {
            // Overflow or underflow: from_chars leaves v untouched, strtof
            // gives HUGE_VALF or the nearest denormal (or zero). Take its answer.
            std::string copy(number);
            v = strtof_l(copy.c_str(), nullptr, CLocale());
        } else if (r.ec != std::errc()) {
            return false;
        }
    }
    out = n.negative ? -v : v;
    pos += n.length;
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
    if (!IsBlankText(text.substr(pos)))
        return false;
    value = v;
    return true;
}

} // namespace keldo
