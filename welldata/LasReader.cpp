#include "LasReader.h"

#include <cmath>

#include "AsciiText.h"
#include "CodePage.h"
#include "NumberText.h"
#include "QuotedFileText.h"
#include "TextFormat.h"
#include "Utf8Text.h"
#include "WellDataFile.h"

namespace keldo {
namespace {

void ConvertFromCp1252(std::string& text) { text = Cp1252ToUtf8(text); }

void ConvertFromCp1252(LasHeader& header)
{
    ConvertFromCp1252(header.version);
    ConvertFromCp1252(header.other);
    for (auto* items : {&header.versionItems, &header.well, &header.curves, &header.parameters})
        for (auto& item : *items) {
            ConvertFromCp1252(item.mnemonic);
            ConvertFromCp1252(item.unit);
            ConvertFromCp1252(item.value);
            ConvertFromCp1252(item.description);
        }
}

// Versions before 2.0 write most well items value last.
bool IsOldStyleVersion(const std::string& version)
{
    double number = 0;
    return ParseNumber(version, number) && number < 2.0;
}

class HeaderReader {
public:
    explicit HeaderReader(LineReader& lines) : m_lines(lines) {}

    bool Read(LasHeader& header, WellDataError& error)
    {
        header = LasHeader{};
        bool utf8 = true;
        std::string_view line;
        bool failed = false;
        size_t bytes = 0;
        while (NextLine(m_lines, line, failed, error, WellDataErrorKind::Malformed)) {
            utf8 = utf8 && IsValidUtf8(line);
            const std::string_view text = TrimBlanks(line);
            const char letter = text.size() > 1 && text.front() == '~' ? AsciiUpper(text.substr(1, 1)).front() : '\0';
            if (letter == 'A')
                return Finish(header, utf8, error);
            bytes += line.size() + 1;
            if (!WithinLimits(bytes, error))
                return false;
            if (text.empty() || text.front() == '#')
                continue;
            if (text.front() == '~') {
                m_section = letter;
                m_anySection = true;
                m_curveSection = m_curveSection || letter == 'C';
                continue;
            }
            if (!m_anySection)
                return Fail(error, WellDataErrorKind::NotLas, m_lines.LineNumber(),
                    "Die Datei beginnt nicht mit einem LAS-Abschnitt wie ~VERSION; sie ist keine LAS-Datei.");
            if (!TakeLine(text, header, error))
                return false;
        }
        if (failed)
            return false;
        if (!m_anySection)
            return Fail(error, WellDataErrorKind::NotLas, 0,
                "Die Datei enthält keinen LAS-Abschnitt; sie ist keine LAS-Datei.");
        return Fail(error, WellDataErrorKind::Malformed, 0, "Der Datenabschnitt ~A fehlt.");
    }

private:
    // The header so far, `bytes` long, within the limits of its lines and
    // bytes.
    bool WithinLimits(size_t bytes, WellDataError& error) const
    {
        const long long line = m_lines.LineNumber();
        if (static_cast<unsigned long long>(line) > kMostLasHeaderLines)
            return Fail(error, WellDataErrorKind::Malformed, line,
                Format("Der Dateikopf vor dem Datenabschnitt ~A hat mehr als %zu Zeilen.", kMostLasHeaderLines));
        if (bytes > kMostLasHeaderBytes)
            return Fail(error, WellDataErrorKind::Malformed, line,
                Format("Der Dateikopf vor dem Datenabschnitt ~A ist länger als %zu Zeichen.", kMostLasHeaderBytes));
        return true;
    }

    bool TakeLine(std::string_view text, LasHeader& header, WellDataError& error)
    {
        switch (m_section) {
        case 'V': {
            LasHeaderItem item = ParseLasHeaderLine(text);
            if (EqualsIgnoringCase(item.mnemonic, "VERS")) {
                double number = 0;
                if (ParseNumber(item.value, number) && number >= 3.0)
                    return Fail(error, WellDataErrorKind::UnsupportedVersion, m_lines.LineNumber(),
                        "Die Datei ist im LAS-Format " + QuotedFileText(item.value)
                            + " geschrieben; gelesen werden die Versionen 1.2 und 2.0.");
                header.version = item.value;
            } else if (EqualsIgnoringCase(item.mnemonic, "WRAP")) {
                header.wrap = !item.value.empty() && (item.value.front() == 'Y' || item.value.front() == 'y');
            }
            header.versionItems.push_back(std::move(item));
            return true;
        }
        case 'W': {
            LasHeaderItem item = ParseLasHeaderLine(text);
            if (IsOldStyleVersion(header.version))
                SwapOldStyleWellItem(item);
            if (EqualsIgnoringCase(item.mnemonic, "NULL") && !item.value.empty()
                && !ParseNumber(item.value, header.nullValue))
                return Fail(error, WellDataErrorKind::Malformed, m_lines.LineNumber(),
                    "Der Nullwert NULL " + QuotedFileText(item.value) + " ist keine Zahl.");
            header.well.push_back(std::move(item));
            return true;
        }
        case 'C':
            if (header.curves.size() == kMostLasCurves)
                return Fail(error, WellDataErrorKind::Malformed, m_lines.LineNumber(),
                    Format("Die Kurvenbeschreibung ~C nennt mehr als %zu Kurven.", kMostLasCurves));
            header.curves.push_back(ParseLasHeaderLine(text));
            return true;
        case 'P':
            header.parameters.push_back(ParseLasHeaderLine(text));
            return true;
        case 'O':
            if (!header.other.empty())
                header.other += '\n';
            header.other += text;
            return true;
        default: // a section this program does not use
            return true;
        }
    }

    bool Finish(LasHeader& header, bool utf8, WellDataError& error)
    {
        if (header.curves.empty()) {
            const long long dataLine = m_lines.LineNumber();
            if (m_curveSection)
                return Fail(error, WellDataErrorKind::Malformed, 0, "Die Kurvenbeschreibung ~C nennt keine Kurve.");
            if (CurveSectionFollows())
                return Fail(error, WellDataErrorKind::Malformed, dataLine,
                    "Der Datenabschnitt ~A steht vor der Kurvenbeschreibung ~C; die Werte lassen sich keiner Kurve "
                    "zuordnen.");
            return Fail(error, WellDataErrorKind::Malformed, 0, "Die Kurvenbeschreibung ~C fehlt.");
        }
        if (!utf8)
            ConvertFromCp1252(header);
        std::vector<std::string> mnemonics;
        for (const auto& curve : header.curves)
            mnemonics.push_back(curve.mnemonic);
        mnemonics = UniqueMnemonics(mnemonics);
        for (size_t i = 0; i < mnemonics.size(); ++i)
            header.curves[i].mnemonic = std::move(mnemonics[i]);
        return true;
    }

    // Only to word the message: is there a ~C after the data?
    bool CurveSectionFollows()
    {
        std::string_view line;
        while (m_lines.Next(line) == LineReader::Result::Line) {
            const std::string_view text = TrimBlanks(line);
            if (text.size() > 1 && text.front() == '~' && (text[1] == 'C' || text[1] == 'c'))
                return true;
        }
        return false;
    }

    LineReader& m_lines;
    char m_section = '\0';
    bool m_anySection = false;
    bool m_curveSection = false;
};

class DataReader {
public:
    DataReader(LineReader& lines, LasLog& log, const KeptCurves& kept)
        : m_lines(lines),
          m_log(log),
          m_curveCount(log.header.curves.size()),
          m_keep(m_curveCount, 0),
          m_record(m_curveCount, 0.0)
    {
        if (kept.all)
            m_keep.assign(m_curveCount, 1);
        for (size_t index : kept.indices)
            if (index < m_curveCount)
                m_keep[index] = 1;
        m_log.rows = 0;
        m_log.statistics.assign(m_curveCount, LasCurveStatistics{});
        m_log.values.assign(m_curveCount, {});
    }

    bool Read(WellDataError& error)
    {
        const bool wrapped = m_log.header.wrap;
        std::string_view line;
        size_t filled = 0; // values of the current record so far
        long long recordLine = 0;
        bool failed = false;
        while (NextLine(m_lines, line, failed, error, WellDataErrorKind::Malformed)) {
            const std::string_view text = TrimBlanks(line);
            if (text.empty() || text.front() == '#')
                continue;
            if (text.front() == '~')
                break; // a section after the data: nothing this program reads
            if (filled == 0)
                recordLine = m_lines.LineNumber();
            filled = TakeValues(text, filled);
            if (!wrapped && filled != m_curveCount)
                return Fail(error, WellDataErrorKind::Malformed, m_lines.LineNumber(),
                    Format("Die Zeile hat %zu %s statt %zu (einen je Kurve).", filled, filled == 1 ? "Wert" : "Werte",
                        m_curveCount));
            if (filled > m_curveCount)
                return Fail(error, WellDataErrorKind::Malformed, m_lines.LineNumber(),
                    Format("Der Datensatz aus Zeile %lld hat mehr Werte als die %zu Kurven der Datei.", recordLine,
                        m_curveCount));
            if (filled == m_curveCount) {
                Commit();
                filled = 0;
            }
        }
        if (failed)
            return false;
        if (filled > 0)
            return Fail(error, WellDataErrorKind::Malformed, recordLine,
                Format("Der letzte Datensatz ist unvollständig: er hat %zu der %zu Werte.", filled, m_curveCount));
        return true;
    }

private:
    // Reads the values of one line into the record from `filled` on; returns
    // the new count (it goes on counting beyond the curves, without storing).
    size_t TakeValues(std::string_view line, size_t filled)
    {
        const double nullValue = m_log.header.nullValue;
        size_t pos = 0;
        for (std::string_view token = NextWord(line, pos); !token.empty(); token = NextWord(line, pos)) {
            if (filled < m_curveCount) {
                double value = 0;
                if (!ParseNumber(token, value) || value == nullValue)
                    value = std::nan("");
                else if (m_keep[filled])
                    value = MatchTextImportFloat(token, value);
                m_record[filled] = value;
            }
            ++filled;
        }
        return filled;
    }

    void Commit()
    {
        const double index = m_record[0];
        for (size_t c = 0; c < m_curveCount; ++c) {
            const double value = m_record[c];
            if (!std::isnan(value)) {
                LasCurveStatistics& s = m_log.statistics[c];
                if (s.count == 0) {
                    s.min = s.max = value;
                    s.firstIndex = index;
                } else {
                    s.min = std::min(s.min, value);
                    s.max = std::max(s.max, value);
                }
                s.lastIndex = index;
                ++s.count;
            }
            if (m_keep[c])
                m_log.values[c].push_back(value);
        }
        ++m_log.rows;
    }

    LineReader& m_lines;
    LasLog& m_log;
    size_t m_curveCount;
    std::vector<char> m_keep;
    std::vector<double> m_record;
};

bool ReadLasFrom(LineReader& lines, const KeptCurves* kept, LasLog& log, WellDataError& error)
{
    if (!HeaderReader(lines).Read(log.header, error))
        return false;
    if (kept == nullptr)
        return true;
    return DataReader(lines, log, *kept).Read(error);
}

bool ReadLasPath(const std::string& path, const KeptCurves* kept, LasLog& log, WellDataError& error)
{
    error.file = path;
    error.survey = false;
    InputFile in;
    if (!OpenWellDataFile(path, in, error))
        return false;
    LineReader lines(in.Stream(), kWellDataLimits);
    return ReadLasFrom(lines, kept, log, error);
}

} // namespace

bool ReadLasHeader(std::istream& in, LasHeader& header, WellDataError& error)
{
    LineReader lines(in, kWellDataLimits);
    return HeaderReader(lines).Read(header, error);
}

bool ReadLas(std::istream& in, const KeptCurves& kept, LasLog& log, WellDataError& error)
{
    LineReader lines(in, kWellDataLimits);
    return ReadLasFrom(lines, &kept, log, error);
}

bool ReadLasHeaderFile(const std::string& path, LasHeader& header, WellDataError& error)
{
    LasLog log;
    const bool ok = ReadLasPath(path, nullptr, log, error);
    header = std::move(log.header);
    return ok;
}

bool ReadLasFile(const std::string& path, const KeptCurves& kept, LasLog& log, WellDataError& error)
{
    return ReadLasPath(path, &kept, log, error);
}

} // namespace keldo
