#include "SurveyReader.h"

#include <cmath>
#include <string_view>

#include "AsciiText.h"
#include "CurveUnits.h"
#include "NumberText.h"
#include "QuotedFileText.h"
#include "TextFormat.h"
#include "WellDataFile.h"

namespace keldo {
namespace {

constexpr size_t kNoColumn = static_cast<size_t>(-1);

// No well is a thousand kilometres deep; beyond that a figure is a typing
// error, and the arithmetic of the path would lose all its digits.
constexpr double kFarthestDepth = 1e6;

std::vector<std::string_view> SplitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    const char separator = line.find(';') != std::string_view::npos ? ';'
        : line.find(',') != std::string_view::npos                  ? ','
                                                                    : '\0';
    if (separator != '\0') {
        size_t start = 0;
        for (;;) {
            const size_t end = line.find(separator, start);
            fields.push_back(TrimBlanks(line.substr(start, end == std::string_view::npos ? end : end - start)));
            if (end == std::string_view::npos)
                break;
            start = end + 1;
        }
        return fields;
    }
    size_t pos = 0;
    for (std::string_view word = NextWord(line, pos); !word.empty(); word = NextWord(line, pos))
        fields.push_back(word);
    return fields;
}

struct Columns {
    size_t md = kNoColumn, inclination = kNoColumn, azimuth = kNoColumn, tvd = kNoColumn;
};

Columns FindColumns(const std::vector<std::string_view>& names)
{
    Columns c;
    auto take = [](size_t& column, size_t i) {
        if (column == kNoColumn)
            column = i;
    };
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string name = AsciiUpper(names[i]);
        if (name == "MD")
            take(c.md, i);
        else if (name == "INC" || name == "INCL" || name == "INCLINATION")
            take(c.inclination, i);
        else if (name == "AZI" || name == "AZIM" || name == "AZIMUTH")
            take(c.azimuth, i);
        else if (name == "TVD")
            take(c.tvd, i);
    }
    return c;
}

// The length unit a unit line names first, if any.
std::optional<UnitConversion> LengthUnitOf(const std::vector<std::string_view>& words)
{
    for (std::string_view word : words) {
        while (!word.empty() && (word.front() == '(' || word.front() == '['))
            word.remove_prefix(1);
        while (!word.empty() && (word.back() == ')' || word.back() == ']'))
            word.remove_suffix(1);
        if (word.empty())
            continue;
        const UnitConversion unit = DepthUnit(word);
        if (unit.known)
            return unit;
    }
    return std::nullopt;
}

class SurveyParser {
public:
    SurveyParser(LineReader& lines, std::vector<SurveyStation>& stations) : m_lines(lines), m_stations(stations) {}

    bool Read(WellDataError& error)
    {
        m_stations.clear();
        std::string_view line;
        bool failed = false;
        while (NextLine(m_lines, line, failed, error, WellDataErrorKind::BadSurvey)) {
            const std::string_view text = TrimBlanks(line);
            if (text.empty() || text.front() == '#')
                continue;
            const std::vector<std::string_view> fields = SplitFields(text);
            if (!m_headerSeen) {
                if (!TakeHeader(fields, error))
                    return false;
                continue;
            }
            if (!TakeRow(fields, error))
                return false;
        }
        if (failed)
            return false;
        if (!m_headerSeen)
            return Fail(error, WellDataErrorKind::BadSurvey, 0, "Die Datei ist leer.");
        if (m_stations.size() < 2)
            return Fail(error, WellDataErrorKind::BadSurvey, 0,
                Format("Die Datei hat %zu Station%s; für einen Bohrpfad werden mindestens zwei gebraucht.",
                    m_stations.size(), m_stations.size() == 1 ? "" : "en"));
        return true;
    }

private:
    bool TakeHeader(const std::vector<std::string_view>& names, WellDataError& error)
    {
        m_columns = FindColumns(names);
        if (m_columns.md == kNoColumn || m_columns.inclination == kNoColumn || m_columns.azimuth == kNoColumn)
            return Fail(error, WellDataErrorKind::BadSurvey, m_lines.LineNumber(),
                "Die Kopfzeile nennt nicht die Spalten MD, INC (Neigung) und AZI (Azimut).");
        m_headerSeen = true;
        return true;
    }

    bool TakeRow(const std::vector<std::string_view>& fields, WellDataError& error)
    {
        const long long n = m_lines.LineNumber();
        double md = 0;
        const bool mdIsNumber = m_columns.md < fields.size() && ParseNumber(fields[m_columns.md], md);
        if (!mdIsNumber && m_stations.empty()) { // a unit line
            if (!m_unit)
                m_unit = LengthUnitOf(fields);
            return true;
        }
        double inclination = 0, azimuth = 0;
        struct Wanted {
            size_t column;
            const char* name;
            double* value;
        };
        for (const Wanted& w :
            {Wanted{m_columns.md, "MD", &md}, Wanted{m_columns.inclination, "INC (Neigung)", &inclination},
                Wanted{m_columns.azimuth, "AZI (Azimut)", &azimuth}}) {
            if (w.column >= fields.size())
                return Fail(error, WellDataErrorKind::BadSurvey, n,
                    std::string("Die Zeile hat keinen Wert in der Spalte ") + w.name + ".");
            if (!ParseNumber(fields[w.column], *w.value))
                return Fail(error, WellDataErrorKind::BadSurvey, n,
                    "Der Wert " + QuotedFileText(fields[w.column]) + " in der Spalte " + w.name + " ist keine Zahl.");
        }
        const UnitConversion unit = m_unit.value_or(UnitConversion{});
        SurveyStation station;
        station.md = unit.Apply(md);
        station.inclination = inclination;
        station.azimuth = azimuth;
        if (!(station.inclination >= 0 && station.inclination <= 180))
            return Fail(error, WellDataErrorKind::BadSurvey, n,
                "Die Neigung " + QuotedFileText(fields[m_columns.inclination])
                    + " liegt nicht zwischen 0 und 180 Grad.");
        if (!(std::fabs(station.md) <= kFarthestDepth))
            return Fail(error, WellDataErrorKind::BadSurvey, n,
                "MD " + QuotedFileText(fields[m_columns.md]) + " liegt nicht zwischen -1000000 und 1000000 m.");
        if (!m_stations.empty() && !(station.md > m_stations.back().md))
            return Fail(error, WellDataErrorKind::BadSurvey, n,
                "MD " + QuotedFileText(fields[m_columns.md]) + " nimmt gegenüber der Station davor nicht zu.");
        double tvd = 0;
        if (m_columns.tvd < fields.size() && ParseNumber(fields[m_columns.tvd], tvd)) {
            station.tvd = unit.Apply(tvd);
            if (!(std::fabs(*station.tvd) <= kFarthestDepth))
                return Fail(error, WellDataErrorKind::BadSurvey, n,
                    "TVD " + QuotedFileText(fields[m_columns.tvd]) + " liegt nicht zwischen -1000000 und 1000000 m.");
        }
        m_stations.push_back(station);
        return true;
    }

    LineReader& m_lines;
    std::vector<SurveyStation>& m_stations;
    Columns m_columns;
    bool m_headerSeen = false;
    std::optional<UnitConversion> m_unit;
};

} // namespace

bool ReadSurvey(std::istream& in, std::vector<SurveyStation>& stations, WellDataError& error)
{
    LineReader lines(in, kWellDataLimits);
    return SurveyParser(lines, stations).Read(error);
}

bool ReadSurveyFile(const std::string& path, std::vector<SurveyStation>& stations, WellDataError& error)
{
    error.file = path;
    error.survey = true;
    InputFile in;
    if (!OpenWellDataFile(path, in, error))
        return false;
    return ReadSurvey(in.Stream(), stations, error);
}

} // namespace keldo
