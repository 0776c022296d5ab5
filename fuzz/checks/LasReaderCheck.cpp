#include "LasReaderCheck.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <set>
#include <sstream>
#include <vector>

#include "AllocationCounter.h"
#include "CurveChoice.h"
#include "JsonSyntax.h"
#include "LasInfoJson.h"
#include "LasReader.h"
#include "MeasurementRows.h"
#include "ReferenceText.h"
#include "TextFormat.h"

namespace keldo::fuzz {
namespace {

// The read block and a longest line with its growth, then per input byte what
// a header line of two bytes costs at most (an item of four texts in a
// growing list) and what the values of the kept curves cost.
constexpr size_t kFixedAllowance = 4 << 20;
constexpr size_t kBytesPerInputByte = 320;
constexpr size_t kLongestLine = 1 << 20;

locale_t CLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

bool IsBlankByte(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view TrimLeft(std::string_view text)
{
    while (!text.empty() && IsBlankByte(text.front()))
        text.remove_prefix(1);
    return text;
}

std::vector<std::string> Words(std::string_view line)
{
    std::vector<std::string> words;
    size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && IsBlankByte(line[pos]))
            ++pos;
        const size_t start = pos;
        while (pos < line.size() && !IsBlankByte(line[pos]))
            ++pos;
        if (pos > start)
            words.emplace_back(line.substr(start, pos - start));
    }
    return words;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number and nothing else.
bool HasNumberForm(const std::string& text) { return !text.empty() && DecimalNumberLength(text) == text.size(); }

// What the model expects of one value text.
struct ModelValue {
    bool present = false;
    bool either = false; // below the smallest normal double: the C library and the reader may differ
    double value = 0;
    float asFloat = 0;
};

ModelValue ReadModelValue(const std::string& text, double nullValue)
{
    ModelValue v;
    if (!HasNumberForm(text))
        return v;
    errno = 0;
    const double d = strtod_l(text.c_str(), nullptr, CLocale());
    const bool range = errno == ERANGE;
    if (!std::isfinite(d))
        return v;
    if (range || (d != 0 && std::fabs(d) < 2.2250738585072014e-308)) {
        v.either = true;
        return v;
    }
    if (d == nullValue)
        return v;
    v.present = true;
    v.value = d;
    v.asFloat = strtof_l(text.c_str(), nullptr, CLocale());
    return v;
}

// The data section as the model reads it.
struct Model {
    bool ok = true;
    long long failLine = 0;
    std::vector<std::vector<std::string>> records; // value texts
    std::vector<long long> recordLines;
};

Model ReadModel(const std::vector<std::string>& lines, size_t curves, bool wrapped)
{
    Model m;
    size_t i = 0;
    while (i < lines.size()) {
        const std::string_view t = TrimLeft(lines[i]);
        ++i;
        if (t.size() > 1 && t[0] == '~' && (t[1] == 'A' || t[1] == 'a'))
            break;
    }
    std::vector<std::string> record;
    long long recordLine = 0;
    for (; i < lines.size(); ++i) {
        const std::string_view t = TrimLeft(lines[i]);
        if (t.empty() || t.front() == '#')
            continue;
        if (t.front() == '~')
            break;
        if (record.empty())
            recordLine = static_cast<long long>(i) + 1;
        for (auto& w : Words(t))
            record.push_back(std::move(w));
        if ((!wrapped && record.size() != curves) || record.size() > curves) {
            m.ok = false;
            m.failLine = static_cast<long long>(i) + 1;
            return m;
        }
        if (record.size() == curves) {
            m.records.push_back(std::move(record));
            m.recordLines.push_back(recordLine);
            record.clear();
        }
    }
    if (!record.empty()) {
        m.ok = false;
        m.failLine = recordLine;
    }
    return m;
}

bool SameItems(const std::vector<LasHeaderItem>& a, const std::vector<LasHeaderItem>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].mnemonic != b[i].mnemonic || a[i].unit != b[i].unit || a[i].value != b[i].value
            || a[i].description != b[i].description)
            return false;
    return true;
}

// Well-formed UTF-8 sequences (lead byte and continuation bytes).
bool IsUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const size_t extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : 9;
        if (extra == 9 || text.size() - i <= extra)
            return false;
        for (size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

bool IsWord(const std::string& text, const char* upper)
{
    std::string u = text;
    for (char& c : u)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return u == upper;
}

void CheckHeader(const LasHeader& h, Violations& found)
{
    if (h.curves.empty())
        found.push_back("success without a curve");
    std::set<std::string> seen;
    for (const auto& c : h.curves) {
        if (c.mnemonic.empty())
            found.push_back("an empty curve mnemonic");
        if (!seen.insert(c.mnemonic).second)
            found.push_back("curve mnemonic \"" + c.mnemonic + "\" twice");
    }
    bool utf8 = IsUtf8(h.version) && IsUtf8(h.other);
    for (const auto* items : {&h.versionItems, &h.well, &h.curves, &h.parameters})
        for (const auto& item : *items)
            utf8 = utf8 && IsUtf8(item.mnemonic) && IsUtf8(item.unit) && IsUtf8(item.value) && IsUtf8(item.description);
    if (!utf8)
        found.push_back("header text that is not UTF-8");
    bool wrap = false;
    for (const auto& item : h.versionItems) {
        if (IsWord(item.mnemonic, "VERS")) {
            const ModelValue v = ReadModelValue(item.value, NAN);
            if (v.present && v.value >= 3)
                found.push_back("LAS " + item.value + " accepted");
        }
        if (IsWord(item.mnemonic, "WRAP"))
            wrap = !item.value.empty() && (item.value[0] == 'Y' || item.value[0] == 'y');
    }
    if (wrap != h.wrap)
        found.push_back("WRAP read otherwise than its item says");
}

void CheckValues(const LasLog& log, const Model& model, Violations& found)
{
    if (log.rows != model.records.size()) {
        found.push_back(Format("%zu records read, the model has %zu", log.rows, model.records.size()));
        return;
    }
    const size_t curves = log.header.curves.size();
    size_t reported = 0;
    for (size_t r = 0; r < log.rows; ++r)
        for (size_t c = 0; c < curves; ++c) {
            const std::string& text = model.records[r][c];
            const ModelValue expected = ReadModelValue(text, log.header.nullValue);
            const double got = log.values[c][r];
            if (expected.either)
                continue;
            const bool wrong = expected.present ? std::isnan(got) || static_cast<float>(got) != expected.asFloat
                    || (got != expected.value && std::nextafter(expected.value, got) != got)
                                                : !std::isnan(got);
            if (wrong && ++reported <= 3)
                found.push_back(Format(
                    "line %lld, curve %zu: \"%s\" read as %.17g", model.recordLines[r], c + 1, text.c_str(), got));
        }
}

void CheckStatistics(const LasLog& kept, const LasLog& counted, Violations& found)
{
    if (counted.rows != kept.rows || counted.statistics.size() != kept.statistics.size()) {
        found.push_back("reading without kept curves gives other records");
        return;
    }
    for (size_t c = 0; c < kept.statistics.size(); ++c) {
        const auto& s = counted.statistics[c];
        size_t present = 0;
        double min = INFINITY, max = -INFINITY, first = NAN, last = NAN;
        for (size_t r = 0; r < kept.rows; ++r) {
            const double v = kept.values[c][r];
            if (std::isnan(v))
                continue;
            if (present++ == 0)
                first = kept.values[0][r];
            last = kept.values[0][r];
            min = std::min(min, v);
            max = std::max(max, v);
        }
        // A kept value may differ from the counted one by one double step
        // (the float tie rule), so compare with that allowance.
        auto near = [](double a, double b) {
            return (std::isnan(a) && std::isnan(b)) || a == b || std::nextafter(a, b) == b;
        };
        if (s.count != present || (present > 0 && (!near(s.min, min) || !near(s.max, max)))
            || (present > 0 && (!near(s.firstIndex, first) || !near(s.lastIndex, last))))
            found.push_back(Format("statistics of curve %zu disagree with its values", c + 1));
        if (present == 0 && (!std::isnan(s.min) || !std::isnan(s.max)))
            found.push_back(Format("curve %zu has no value but a minimum or maximum", c + 1));
    }
}

int64_t Millimetres(const std::string& line, bool& ok)
{
    int64_t mm = 0;
    bool negative = false;
    size_t i = 0;
    while (i < line.size() && line[i] == ' ')
        ++i;
    if (i < line.size() && line[i] == '-')
        negative = true, ++i;
    size_t digits = 0;
    for (; i < line.size() && line[i] != ' '; ++i)
        if (IsDigit(line[i])) {
            mm = mm * 10 + (line[i] - '0');
            ++digits;
        }
    ok = digits >= 4 && digits <= 18;
    return negative ? -mm : mm;
}

void CheckRows(const LasLog& log, const WellPath* survey, double elevation, Violations& found)
{
    const auto& curves = log.header.curves;
    RowSettings settings;
    settings.curves.depth = 0;
    settings.curves.porosity
        = SuggestCurve(curves, CurveRole::Porosity).value_or(std::min<size_t>(1, curves.size() - 1));
    settings.curves.sw
        = SuggestCurve(curves, CurveRole::WaterSaturation).value_or(std::min<size_t>(2, curves.size() - 1));
    settings.survey = survey;
    settings.elevation = elevation;
    const MeasurementRows rows = DeriveMeasurementRows(log, settings);
    const char* with = survey ? "with survey" : "without survey";
    const RowCounts& c = rows.counts;
    if (c.kept + c.Dropped() != log.rows)
        found.push_back(Format("%s: %zu kept and %zu dropped of %zu rows", with, c.kept, c.Dropped(), log.rows));
    if (rows.lines.size() != c.kept || rows.rows.size() != c.kept)
        found.push_back(
            Format("%s: %zu lines, %zu rows for %zu kept", with, rows.lines.size(), rows.rows.size(), c.kept));
    size_t missing = 0;
    for (size_t r = 0; r < log.rows; ++r)
        if (std::isnan(log.values[0][r]) || std::isnan(log.values[settings.curves.porosity][r])
            || std::isnan(log.values[settings.curves.sw][r]))
            ++missing;
    if (missing != c.missing)
        found.push_back(Format("%s: %zu rows counted missing, %zu have a missing value", with, c.missing, missing));
    int direction = 0;
    int64_t last = 0;
    for (size_t i = 0; i < rows.lines.size(); ++i) {
        const std::string& line = rows.lines[i];
        float v[3];
        bool ok = false;
        const int64_t mm = Millimetres(line, ok);
        if (ScanFloats(line, v, 3) != 3 || !ok || line.size() < 35) {
            found.push_back(Format("%s: line %zu \"%s\" is no measurement line", with, i + 1, line.c_str()));
            break;
        }
        if (!(v[1] >= 0 && v[1] <= 1 && v[2] >= 0 && v[2] <= 1))
            found.push_back(Format("%s: line %zu \"%s\" out of range", with, i + 1, line.c_str()));
        if (i > 0) {
            const int step = mm > last ? 1 : mm < last ? -1 : 0;
            if (step == 0 || (direction != 0 && step != direction))
                found.push_back(Format("%s: line %zu breaks the depth order", with, i + 1));
            direction = step;
        }
        last = mm;
        if (i > 0 && rows.rows[i] <= rows.rows[i - 1])
            found.push_back(Format("%s: rows out of file order", with));
    }
}

} // namespace

Violations CheckLasReader(std::string_view bytes)
{
    Violations found;
    const std::string text(bytes);
    LasLog log;
    WellDataError error;
    bool ok = false;
    size_t asked = 0;
    {
        std::istringstream in(text);
        AllocationScope scope;
        ok = ReadLas(in, KeepAllCurves(), log, error);
        asked = scope.TotalBytes();
    }
    if (asked > kFixedAllowance + kBytesPerInputByte * bytes.size())
        found.push_back(Format("reading %zu bytes asked for %zu bytes of memory", bytes.size(), asked));

    const std::string_view withoutMark = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? bytes.substr(3) : bytes;
    const std::vector<std::string> lines = SplitLines(withoutMark);
    bool longLine = false;
    for (const auto& line : lines)
        longLine = longLine || line.size() > kLongestLine;

    if (!ok) {
        if (error.detail.empty() || !IsUtf8(error.Message()))
            found.push_back("a failure without a sentence, or not in UTF-8");
        if (error.line < 0 || error.line > static_cast<long long>(lines.size()))
            found.push_back(Format("failure names line %lld of %zu", error.line, lines.size()));
        if (GroupOf(error.kind) != WellDataErrorGroup::UnreadableFile || error.kind == WellDataErrorKind::BadSurvey)
            found.push_back("a reading failure of a kind that does not belong to reading");
        // Where the header was sound the model decides whether the data are.
        LasHeader header;
        std::istringstream in(text);
        WellDataError headerError;
        if (!longLine && ReadLasHeader(in, header, headerError)) {
            const Model model = ReadModel(lines, header.curves.size(), header.wrap);
            if (model.ok)
                found.push_back("failed (" + error.detail + ") where the model reads every record");
            else if (error.kind != WellDataErrorKind::Malformed || error.line != model.failLine)
                found.push_back(Format("failed in line %lld (%s), the model in line %lld", error.line,
                    error.detail.c_str(), model.failLine));
        }
        return found;
    }

    CheckHeader(log.header, found);
    {
        LasHeader header;
        std::istringstream in(text);
        WellDataError headerError;
        if (!ReadLasHeader(in, header, headerError) || !SameItems(header.curves, log.header.curves)
            || !SameItems(header.well, log.header.well) || header.nullValue != log.header.nullValue
            || header.wrap != log.header.wrap)
            found.push_back("reading the header alone gives another header");
    }
    if (longLine)
        return found;
    const Model model = ReadModel(lines, log.header.curves.size(), log.header.wrap);
    if (!model.ok)
        found.push_back(Format("read every record where the model fails in line %lld", model.failLine));
    else
        CheckValues(log, model, found);

    LasLog counted;
    {
        std::istringstream in(text);
        if (!ReadLas(in, KeptCurves{}, counted, error))
            found.push_back("reading without kept curves fails: " + error.detail);
        else
            CheckStatistics(log, counted, found);
    }

    CheckRows(log, nullptr, 0, found);
    const WellPath survey({{0, 0, 0, {}}, {500, 0, 0, {}}, {1500, 45, 30, {}}, {2500, 90, 60, {1600.0}}});
    CheckRows(log, &survey, 54.9, found);

    std::string where;
    if (!IsJson(LasInfoJson(log), where))
        found.push_back("the info JSON is no JSON: " + where);
    return found;
}

} // namespace keldo::fuzz
