#include "MeasurementRows.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "CurveChoice.h"
#include "MeasurementLine.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// Depths this far from zero are no depths; beyond them the millimetre count
// of the order rule would not fit its integer.
constexpr double kLargestDepth = 1e12;

// The TVD as its measurement line stores it, in whole millimetres: the digits
// of its 3-decimal text, so that the order rule sees exactly what the lines
// show (two depths that print alike are alike).
int64_t StoredMillimetres(double tvd, std::string& scratch)
{
    scratch.clear();
    AppendFixed(scratch, tvd, 0, 3);
    int64_t mm = 0;
    bool negative = false;
    for (char c : scratch) {
        if (c == '-')
            negative = true;
        else if (c >= '0' && c <= '9')
            mm = mm * 10 + (c - '0');
    }
    return negative ? -mm : mm;
}

// The values of a kept curve, or nullptr (every row then counts as missing).
const std::vector<double>* Column(const LasLog& log, size_t curve)
{
    return log.IsKept(curve) ? &log.values[curve] : nullptr;
}

// A value that underflows as a float (below the smallest normal float, such
// as 1e-45) is 0 to the single-precision computation: it is taken as 0.
double UnlessUnderflowing(double value)
{
    return std::fabs(static_cast<float>(value)) < std::numeric_limits<float>::min() ? 0.0 : value;
}

std::string UnitText(const std::string& unit) { return unit.empty() ? "(keine)" : "\"" + unit + "\""; }

void NoteUnknownUnits(const LasLog& log, const CurveChoice& c, std::vector<std::string>& notes)
{
    const auto& curves = log.header.curves;
    const UnitConversion depth = DepthUnit(curves[c.depth].unit);
    if (!depth.known)
        notes.push_back("Die Einheit " + UnitText(curves[c.depth].unit) + " der Teufenkurve " + curves[c.depth].mnemonic
            + " ist unbekannt; die Werte werden als Meter genommen.");
    else if (std::string note = DepthConversionNote(curves[c.depth].unit); !note.empty())
        notes.push_back(std::move(note));
    const struct {
        size_t curve;
        const char* what;
    } fractions[] = {{c.porosity, "Porositätskurve"}, {c.sw, "Wassersättigungskurve"}};
    for (const auto& f : fractions)
        if (!FractionUnit(curves[f.curve].unit).known)
            notes.push_back("Die Einheit " + UnitText(curves[f.curve].unit) + " der " + f.what + " "
                + curves[f.curve].mnemonic + " ist unbekannt; die Werte werden als Anteil (v/v) genommen.");
}

const char* Rows(size_t n) { return n == 1 ? "Zeile" : "Zeilen"; }

} // namespace

MeasurementRows DeriveMeasurementRows(const LasLog& log, const RowSettings& settings)
{
    MeasurementRows result;
    const CurveChoice& c = settings.curves;
    const auto& curves = log.header.curves;
    const std::vector<double>* depths = Column(log, c.depth);
    const std::vector<double>* porosities = Column(log, c.porosity);
    const std::vector<double>* saturations = Column(log, c.sw);
    if (!depths || !porosities || !saturations) {
        result.counts.missing = log.rows;
        return result;
    }

    const std::string& depthName = curves[c.depth].mnemonic;
    const DepthKind kind = DepthKindOf(depthName);
    const WellPath* survey = kind == DepthKind::Measured ? settings.survey : nullptr;
    const double elevation = kind == DepthKind::BelowSeaLevel ? 0.0 : settings.elevation;
    result.belowSeaLevel = kind == DepthKind::BelowSeaLevel || elevation != 0;
    if (kind == DepthKind::Measured && !settings.survey)
        result.notes.push_back("Ohne Bohrpfad wird die Teufenkurve " + depthName
            + " (gemessene Teufe MD) als TVD genommen, wie bei einer senkrechten Bohrung.");
    if (kind != DepthKind::Measured && settings.survey)
        result.notes.push_back(
            "Die Teufenkurve " + depthName + " ist schon eine Vertikalteufe; der Bohrpfad wird nicht benutzt.");
    if (kind == DepthKind::BelowSeaLevel && settings.elevation != 0)
        result.notes.push_back("Die Teufenkurve " + depthName
            + " ist schon auf den Meeresspiegel bezogen; die Bezugshöhe wird nicht abgezogen.");
    NoteUnknownUnits(log, c, result.notes);

    const UnitConversion depthUnit = DepthUnit(curves[c.depth].unit);
    const UnitConversion porosityUnit = FractionUnit(curves[c.porosity].unit);
    const UnitConversion swUnit = FractionUnit(curves[c.sw].unit);
    RowCounts& counts = result.counts;
    result.lines.reserve(std::min(settings.lineLimit, log.rows));
    std::string scratch, line;
    size_t cursor = 0;
    bool anyKept = false;
    int direction = 0; // +1 increasing, -1 decreasing, 0 not known before the second kept row
    int64_t lastMillimetres = 0;
    for (size_t r = 0; r < log.rows; ++r) {
        const double depth = (*depths)[r];
        double porosity = (*porosities)[r], sw = (*saturations)[r];
        if (std::isnan(depth) || std::isnan(porosity) || std::isnan(sw)) {
            ++counts.missing;
            continue;
        }
        porosity = porosityUnit.Apply(porosity);
        sw = swUnit.Apply(sw);
        const double md = depthUnit.Apply(depth);
        const double tvd = (survey ? survey->Tvd(md, cursor) : md) - elevation;
        porosity = UnlessUnderflowing(porosity);
        sw = UnlessUnderflowing(sw);
        if (!(porosity > 0 && porosity < 1 && sw > 0 && sw <= 1) || !(std::fabs(tvd) < kLargestDepth)) {
            ++counts.outOfRange;
            continue;
        }
        const int64_t mm = StoredMillimetres(tvd, scratch);
        if (anyKept) {
            const int64_t step = mm - lastMillimetres;
            if (step == 0 || (direction != 0 && (step > 0) != (direction > 0))) {
                ++counts.notMonotonic;
                continue;
            }
            if (direction == 0)
                direction = step > 0 ? 1 : -1;
        }
        anyKept = true;
        lastMillimetres = mm;
        ++counts.kept;
        result.rows.push_back(r);
        if (survey && md < survey->FirstMd())
            ++counts.aboveSurvey;
        if (survey && md > survey->LastMd())
            ++counts.belowSurvey;
        if (result.lines.size() < settings.lineLimit) {
            line.clear();
            AppendMeasurementLine(line, tvd, static_cast<float>(porosity), static_cast<float>(sw));
            result.lines.push_back(line);
        }
    }
    return result;
}

std::string SummaryMessage(const MeasurementRows& rows)
{
    const RowCounts& c = rows.counts;
    std::string text = Format("%zu von %zu %s übernommen. Verworfen: %zu mit fehlendem Wert, %zu mit Wert außerhalb "
                              "des Bereichs, %zu mit nicht fortschreitender Teufe.",
        c.kept, c.kept + c.Dropped(), Rows(c.kept + c.Dropped()), c.missing, c.outOfRange, c.notMonotonic);
    if (c.aboveSurvey > 0)
        text += Format("\n%zu übernommene %s über der ersten Station des Bohrpfads: dort senkrecht darüber angenommen.",
            c.aboveSurvey, Rows(c.aboveSurvey));
    if (c.belowSurvey > 0)
        text += Format("\n%zu übernommene %s unter der letzten Station des Bohrpfads: dort in ihrer Richtung "
                       "geradeaus verlängert.",
            c.belowSurvey, Rows(c.belowSurvey));
    for (const auto& note : rows.notes)
        text += "\n" + note;
    return text;
}

std::string DepthConversionNote(const std::string& unit)
{
    const UnitConversion depth = DepthUnit(unit);
    return depth.known && depth.factor != 1 ? "Teufe in " + unit + ", umgerechnet in m." : std::string();
}

std::vector<double> ValuesAtRows(
    const LasLog& log, size_t curve, const std::vector<size_t>& rows, const UnitConversion& unit)
{
    std::vector<double> values(rows.size(), std::nan(""));
    if (!log.IsKept(curve))
        return values;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i] < log.rows)
            values[i] = unit.Apply(log.values[curve][rows[i]]);
    return values;
}

std::vector<double> ShaleAtLines(const LasLog& log, size_t curve, const MeasurementRows& rows, size_t lines)
{
    std::vector<double> values = ValuesAtRows(log, curve, rows.rows, FractionUnit(log.header.curves[curve].unit));
    values.resize(std::min(values.size(), lines));
    return values;
}

} // namespace keldo
