#include "MeasurementImportCheck.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <sstream>
#include <vector>

#include "AllocationCounter.h"
#include "CodePage.h"
#include "MeasurementImport.h"
#include "ReferenceText.h"
#include "TextFormat.h"

namespace keldo::fuzz {
namespace {

class RecordingBox : public IMessageBox {
public:
    void Show(const std::string& text) override { shown.push_back(text); }
    bool AskYesNo(const std::string& text) override
    {
        questions.push_back(text);
        return true;
    }
    std::vector<std::string> shown;
    std::vector<std::string> questions;
};

// A fixed allowance (the import's read buffer, one line of text, a message)
// and a fixed amount per stored line (its text and its share of the list).
constexpr size_t kFixedAllowance = 96 * 1024;
constexpr size_t kBytesPerStoredLine = 256;

constexpr size_t kLongestLine = 98;

bool IsCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// "%f" on decimal text: the longest [+-]digits[.digits][e[+-]digits] at the
// current place, converted by the C library in the "C" locale. The program
// has its own scanner; this one is the yardstick it is held to.
int ReferenceScan(std::string_view text, float* values, int count)
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    text = text.substr(0, text.find('\0')); // the C functions stop at a NUL
    size_t pos = 0;
    for (int k = 0; k < count; ++k) {
        while (pos < text.size() && IsCSpace(text[pos]))
            ++pos;
        const size_t length = DecimalNumberLength(text.substr(pos));
        if (length == 0)
            return k;
        const size_t i = pos + length;
        const std::string number(text.substr(pos, i - pos));
        values[k] = strtof_l(number.c_str(), nullptr, c);
        pos = i;
    }
    return count;
}

std::string Raw(const std::string& line) { return Cp1252ToUtf8(std::string_view(line.c_str())); }

// The extra line for a refused line with a decimal comma: its first
// digits-comma-digits, written with a point.
std::string DecimalCommaHint(const std::string& line)
{
    const std::string shown(line.c_str());
    const char* const digits = "0123456789";
    for (size_t comma = shown.find(','); comma != std::string::npos; comma = shown.find(',', comma + 1)) {
        if (comma == 0)
            continue;
        const size_t before = shown.find_last_not_of(digits, comma - 1);
        const size_t begin = before == std::string::npos ? 0 : before + 1;
        const size_t end = std::min(shown.find_first_not_of(digits, comma + 1), shown.size());
        if (begin == comma || end == comma + 1)
            continue;
        const std::string whole = shown.substr(begin, comma - begin);
        const std::string fraction = shown.substr(comma + 1, end - comma - 1);
        return "\nBitte den Dezimalpunkt verwenden: " + whole + "." + fraction + " statt " + whole + "," + fraction;
    }
    return {};
}

struct Expected {
    std::vector<std::string> stored;
    std::string message; // empty: every line accepted
};

Expected ReferenceImport(const std::vector<std::string>& lines, bool descending)
{
    Expected e;
    float previous = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const long long n = static_cast<long long>(i) + 1;
        if (line.size() > kLongestLine) {
            e.message = Format("In der %lld.Zeile 100 Zeichen gelesen", n);
            return e;
        }
        float v[3];
        if (ReferenceScan(line, v, 3) < 3 || !std::isfinite(v[0]) || !std::isfinite(v[1]) || !std::isfinite(v[2])) {
            e.message = "Die Zeile enhält keine 3 Werte\n " + Raw(line) + DecimalCommaHint(line);
            return e;
        }
        const char* reason = nullptr;
        if (n > 1 && descending && v[0] >= previous)
            reason = "Die Teufe nimmt nicht ab!";
        else if (n > 1 && !descending && v[0] <= previous)
            reason = "Die Teufe nimmt nicht zu!";
        else if (v[1] <= 0)
            reason = "Die Porosität<=0";
        else if (v[1] >= 1)
            reason = "Die Porosität>=1";
        else if (v[2] <= 0)
            reason = "Die Wassersättigung<=0";
        else if (v[2] > 1)
            reason = "Die Wassersättigung>1";
        if (reason) {
            e.message = Format("ABBRUCH in der %lld.Zeile\n", n) + Raw(line) + "\n" + reason + DecimalCommaHint(line);
            return e;
        }
        previous = v[0];
        e.stored.push_back(Format("%10.3f   %10.5f  %10.5f", double{v[0]}, double{v[1]}, double{v[2]}));
    }
    return e;
}

// What the stored text itself guarantees, whatever the reference says: the
// checks ran on the values as read, the text holds them rounded.
void CheckStoredText(const std::vector<std::string>& stored, bool descending, Violations& found)
{
    float previous = 0;
    for (size_t i = 0; i < stored.size(); ++i) {
        float v[3];
        if (ReferenceScan(stored[i], v, 3) < 3) {
            found.push_back(Format("stored line %zu does not hold three numbers", i + 1));
            continue;
        }
        if (!(v[1] >= 0 && v[1] <= 1) || !(v[2] >= 0 && v[2] <= 1))
            found.push_back(Format("stored line %zu has porosity or Sw outside 0..1", i + 1));
        if (i > 0 && (descending ? v[0] > previous : v[0] < previous))
            found.push_back(Format("stored line %zu breaks the depth order", i + 1));
        if (stored[i].size() < 35)
            found.push_back(Format("stored line %zu is shorter than the fixed columns", i + 1));
        previous = v[0];
    }
}

void CheckOneDirection(
    std::string_view bytes, const std::vector<std::string>& lines, bool descending, Violations& found)
{
    const char* order = descending ? "descending" : "ascending";
    const std::string sentinel = "vorher vorhandene Zeile";
    std::istringstream in{std::string(bytes)};
    RecordingBox messages;
    std::vector<std::string> result{sentinel};
    bool ok = false;
    size_t asked = 0;
    {
        AllocationScope scope;
        ok = ImportMeasurementStream(in, descending, messages, result);
        asked = scope.TotalBytes();
    }
    if (result.empty() || result.front() != sentinel) {
        found.push_back(Format("%s: the lines held before the import were changed", order));
        return;
    }
    result.erase(result.begin());
    if (asked > kFixedAllowance + kBytesPerStoredLine * (result.size() + 1))
        found.push_back(Format("%s: importing %zu lines asked for %zu bytes of memory", order, result.size(), asked));
    if (result.size() > lines.size())
        found.push_back(Format("%s: %zu lines stored from %zu input lines", order, result.size(), lines.size()));
    if (!messages.questions.empty())
        found.push_back(Format("%s: the import asked a question", order));
    if (messages.shown.size() > 1)
        found.push_back(Format("%s: %zu messages for one import", order, messages.shown.size()));
    if (ok != messages.shown.empty())
        found.push_back(Format("%s: the result %d does not match the %zu messages", order, ok, messages.shown.size()));
    CheckStoredText(result, descending, found);

    const Expected expected = ReferenceImport(lines, descending);
    if (result != expected.stored) {
        size_t i = 0;
        while (i < result.size() && i < expected.stored.size() && result[i] == expected.stored[i])
            ++i;
        found.push_back(
            Format("%s: %zu lines stored, %zu expected; first difference in line %zu: \"%s\" instead of \"%s\"", order,
                result.size(), expected.stored.size(), i + 1, i < result.size() ? result[i].c_str() : "(none)",
                i < expected.stored.size() ? expected.stored[i].c_str() : "(none)"));
    }
    const std::string shown = messages.shown.empty() ? std::string() : messages.shown.front();
    if (shown != expected.message)
        found.push_back(Format("%s: message \"%s\" instead of \"%s\"", order, shown.c_str(), expected.message.c_str()));
}

} // namespace

Violations CheckMeasurementImport(std::string_view bytes)
{
    Violations found;
    // A UTF-8 byte-order mark at the very start belongs to no line.
    std::string_view text = bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    const std::vector<std::string> lines = SplitLines(text);
    CheckOneDirection(bytes, lines, true, found);
    CheckOneDirection(bytes, lines, false, found);
    return found;
}

} // namespace keldo::fuzz
