#include "FormationTopsCheck.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "AllocationCounter.h"
#include "FormationTops.h"
#include "TextFormat.h"

namespace keldo::fuzz {
namespace {

// The table's cells (a string and its slot per separator, doubled by the
// growth of their vectors) and the tops taken from them.
constexpr size_t kFixedAllowance = 1 << 20;
constexpr size_t kBytesPerInputByte = 256;

bool NamesAColumn(TopsErrorKind kind)
{
    switch (kind) {
    case TopsErrorKind::RepeatedColumn:
    case TopsErrorKind::MissingColumn:
    case TopsErrorKind::MissingValue:
    case TopsErrorKind::NotANumber:
    case TopsErrorKind::DepthOutOfRange:
    case TopsErrorKind::UnknownReference:
    case TopsErrorKind::RepeatedSurface:
        return true;
    default:
        return false;
    }
}

bool NamesAPosition(TopsErrorKind kind)
{
    return kind == TopsErrorKind::UnnamedColumn || kind == TopsErrorKind::UnknownColumn
        || kind == TopsErrorKind::TooManyFields;
}

bool HasNoLine(TopsErrorKind kind)
{
    return kind == TopsErrorKind::NoHeader || kind == TopsErrorKind::NoTop || kind == TopsErrorKind::CannotRead;
}

void CheckSuccess(const std::vector<FormationTop>& tops, long long lines, Violations& found)
{
    if (tops.empty())
        found.push_back("success without a top");
    std::set<std::pair<std::string, std::string>> seen;
    long long last = 0;
    for (const FormationTop& top : tops) {
        if (top.line <= last || top.line > lines)
            found.push_back(Format("top from line %lld after line %lld of %lld", top.line, last, lines));
        last = top.line;
        if (top.well.empty() || top.surface.empty())
            found.push_back(Format("line %lld: a top without its well or surface", top.line));
        if (!std::isfinite(top.depth) || std::fabs(top.depth) > kLargestTopDepth)
            found.push_back(Format("line %lld: depth %.17g", top.line, top.depth));
        if (!seen.emplace(top.well, top.surface).second)
            found.push_back(Format("line %lld: the well's surface a second time", top.line));
    }
}

void CheckFailure(const std::vector<FormationTop>& tops, const TopsError& error, long long lines, Violations& found)
{
    if (error.kind == TopsErrorKind::None || error.kind == TopsErrorKind::CannotRead)
        found.push_back("a failure of kind None or CannotRead from a text");
    if (!tops.empty())
        found.push_back(Format("a failure that keeps %zu tops", tops.size()));
    if (HasNoLine(error.kind) ? error.line != 0 : (error.line < 1 || error.line > lines))
        found.push_back(Format("failure names line %lld of %lld", error.line, lines));
    if (NamesAColumn(error.kind) != error.column.has_value())
        found.push_back("the column does not fit the kind of the failure");
    if (NamesAPosition(error.kind) && error.position < 1)
        found.push_back("a failure of the header without the column's position");
    const std::string message = TopsMessage(error, "t.csv");
    if (message.empty() || (error.line > 0 && message.find(Format("Zeile %lld", error.line)) == std::string::npos))
        found.push_back("the message does not name the line: " + message);
}

std::string WithCrLf(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

bool SameTops(const std::vector<FormationTop>& a, const std::vector<FormationTop>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const FormationTop& x, const FormationTop& y) {
        return x.line == y.line && x.well == y.well && x.surface == y.surface && x.depth == y.depth
            && x.reference == y.reference;
    });
}

} // namespace

Violations CheckFormationTops(std::string_view bytes)
{
    Violations found;
    std::vector<FormationTop> tops;
    TopsError error;
    bool ok = false;
    size_t asked = 0;
    {
        AllocationScope scope;
        ok = ParseFormationTops(bytes, tops, error);
        asked = scope.TotalBytes();
    }
    if (asked > kFixedAllowance + kBytesPerInputByte * bytes.size())
        found.push_back(Format("reading %zu bytes asked for %zu bytes of memory", bytes.size(), asked));
    const auto lines = static_cast<long long>(std::count(bytes.begin(), bytes.end(), '\n') + 1);
    if (ok)
        CheckSuccess(tops, lines, found);
    else
        CheckFailure(tops, error, lines, found);

    if (bytes.find('\r') == std::string_view::npos) {
        std::vector<FormationTop> again;
        TopsError againError;
        const bool againOk = ParseFormationTops(WithCrLf(bytes), again, againError);
        if (againOk != ok || !SameTops(again, tops) || againError.kind != error.kind || againError.line != error.line)
            found.push_back("CR LF line ends read otherwise than LF");
    }
    return found;
}

} // namespace keldo::fuzz
