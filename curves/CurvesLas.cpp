#include "CurvesLas.h"

#include <cmath>
#include <cstdint>

#include "CodePage.h"
#include "DecimalNumber.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// Lines are handed to the stream in blocks of about this size.
constexpr size_t kBlock = 64 * 1024;

// Each value right-aligned in this many characters after one blank.
constexpr int kValueWidth = 11;

// The shortest decimal text without an exponent that reads back as the same
// float: the coefficients as they were entered ("-2.56554", not
// "-2.56553996"; "200", not "2e+02").
std::string FloatText(float value)
{
    for (int decimals = 0; decimals <= 12; ++decimals) {
        const std::string text = Format("%.*f", decimals, static_cast<double>(value));
        float back = 0;
        if (ParseWholeFloat(text, back) && back == value)
            return text;
    }
    return Format("%.9g", static_cast<double>(value));
}

// The same for a double ("0.4", not "0.40000000000000002").
std::string DoubleText(double value)
{
    for (int decimals = 0; decimals <= 17; ++decimals) {
        const std::string text = Format("%.*f", decimals, value);
        double back = 0;
        if (ParseNumber(text, back) && back == value)
            return text;
    }
    return Format("%.17g", value);
}

std::string Fixed(double value, int decimals)
{
    std::string text;
    if (std::isfinite(value))
        AppendFixed(text, value, 0, decimals);
    else
        text = kLasNull;
    return text;
}

// Line breaks and tabs would break the line of a header item.
std::string OneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r' || c == '\t')
            c = ' ';
    return text;
}

// " MNEM.UNIT        VALUE : DESCRIPTION", the values right-aligned.
void HeaderItem(std::string& out, const std::string& mnemonic, const std::string& unit, const std::string& value,
    const std::string& description)
{
    std::string item = " " + mnemonic + "." + unit;
    if (item.size() < 12)
        item.append(12 - item.size(), ' ');
    if (value.size() < 16)
        item.append(16 - value.size(), ' ');
    out += item + value + " : " + description + "\n";
}

// The depth step when every row lies the same number of millimetres (as the
// lines store them) from the one before, else 0 as LAS has it for logs with
// an irregular step.
double RegularStep(const std::vector<CurveRow>& rows)
{
    if (rows.size() < 2)
        return 0;
    auto millimetres = [](float depth) { return std::llround(static_cast<double>(depth) * 1000.0); };
    const long long step = millimetres(rows[1].depth) - millimetres(rows[0].depth);
    for (size_t i = 2; i < rows.size(); ++i)
        if (millimetres(rows[i].depth) - millimetres(rows[i - 1].depth) != step)
            return 0;
    return static_cast<double>(step) / 1000.0;
}

void VersionSection(std::string& out)
{
    out += "~VERSION INFORMATION\n";
    HeaderItem(out, "VERS", "", "2.0", "CWLS LOG ASCII STANDARD - VERSION 2.0");
    HeaderItem(out, "WRAP", "", "NO", "Eine Zeile je Teufe");
}

void WellSection(std::string& out, const MeasurementCurves& curves)
{
    const std::vector<CurveRow>& rows = curves.rows;
    out += "~WELL INFORMATION\n";
    out += "#MNEM.UNIT              DATA : BESCHREIBUNG\n";
    HeaderItem(out, "STRT", "M", rows.empty() ? kLasNull : Fixed(rows.front().depth, 3), "Erste Teufe");
    HeaderItem(out, "STOP", "M", rows.empty() ? kLasNull : Fixed(rows.back().depth, 3), "Letzte Teufe");
    HeaderItem(out, "STEP", "M", Fixed(RegularStep(rows), 3), "Teufenschritt (0: ungleichmaessig)");
    HeaderItem(out, "NULL", "", kLasNull, "Fehlwert");
    HeaderItem(out, "COMP", "", "", "Firma");
    HeaderItem(out, "WELL", "", OneLine(curves.inputs.m_strBohrung), "Bohrung");
    HeaderItem(out, "FLD", "", "", "Feld");
    HeaderItem(out, "LOC", "", "", "Lage");
    HeaderItem(out, "CTRY", "", "", "Land");
    HeaderItem(out, "SRVC", "", "", "Servicefirma");
    HeaderItem(out, "DATE", "", "", "Datum");
    HeaderItem(out, "UWI", "", "", "Eindeutige Bohrungskennung");
}

void CurveSection(std::string& out, const std::array<CurveColumnInfo, kCurveColumnCount>& columns)
{
    out += "~CURVE INFORMATION\n";
    out += "#MNEM.UNIT          API CODE : BESCHREIBUNG\n";
    for (const CurveColumnInfo& c : columns)
        HeaderItem(out, c.mnemonic, c.unit, "", c.description);
}

void ParameterSection(std::string& out, const MeasurementCurves& curves)
{
    const CKeldoInputs& in = curves.inputs;
    const bool gas = in.m_nFluid == 0;
    out += "~PARAMETER INFORMATION\n";
    HeaderItem(out, "FLUID", "", gas ? "GAS" : "OEL", "Kohlenwasserstoffphase (GAS oder OEL)");
    HeaderItem(out, "CONTACT", "M", FloatText(in.m_fKontakt),
        gas ? "Angenommener Gas-Wasser-Kontakt" : "Angenommener Oel-Wasser-Kontakt");
    HeaderItem(out, "MINDEPTH", "M", FloatText(in.m_fMinTeufe), "Teufenbereich von");
    HeaderItem(out, "MAXDEPTH", "M", FloatText(in.m_fMaxTeufe), "Teufenbereich bis");
    HeaderItem(out, "PI", "BAR", FloatText(in.m_fInitialdruck), "Initialdruck der Lagerstaette");
    HeaderItem(out, "TEMP", "DEGC", FloatText(in.m_fTemperatur), "Lagerstaettentemperatur");
    HeaderItem(out, "RHOW", "KG/M3", FloatText(in.m_fWasserdichte), "Wasserdichte");
    if (gas)
        HeaderItem(out, "GASREL", "", FloatText(in.m_fDichteKW), "Relative Gasdichte (Luft = 1)");
    else
        HeaderItem(out, "RHOO", "KG/M3", FloatText(in.m_fDichteKW), "Oeldichte");
    HeaderItem(out, "RHOHC", "KG/M3", FloatText(curves.model.fluidDensity),
        "Dichte des Kohlenwasserstoffs in der Lagerstaette");
    if (!gas)
        HeaderItem(out, "ANGLE", "DEG", FloatText(in.m_fKontaktwinkel), "Kontaktwinkel Oel/Wasser");
    HeaderItem(out, "PCMAX", "BAR", FloatText(in.m_fPcMax), "Max. Kapillardruck Quecksilber");
    HeaderItem(out, "PRESDEP", "", in.m_bDruckabhaengig ? "1" : "0", "Permeabilitaet druckabhaengig (1 ja, 0 nein)");
    const struct {
        const char* mnemonic;
        float value;
        const char* description;
    } coefficients[] = {
        {"PHIK0", in.m_fPhiK0, "log10(K) = PHIK0 + PHIK1*PHI + PHIK2*PHI^2"},
        {"PHIK1", in.m_fPhiK1, "PHI/K-Korrelation, linear"},
        {"PHIK2", in.m_fPhiK2, "PHI/K-Korrelation, quadratisch"},
        {"ALFA0", in.m_fAlfa0, "alfa = ALFA0 + ALFA1*L + ALFA2*L^2 + ALFA3*L^3, L = log10(K)"},
        {"ALFA1", in.m_fAlfa1, "alfa, linear"},
        {"ALFA2", in.m_fAlfa2, "alfa, quadratisch"},
        {"ALFA3", in.m_fAlfa3, "alfa, kubisch"},
        {"BETA0", in.m_fBeta0, "log10(beta) = BETA0 + BETA1*log10(K)"},
        {"BETA1", in.m_fBeta1, "log10(beta), linear"},
        {"SWMIN0", in.m_fSwmin0, "log10(Swmin) = SWMIN0 + SWMIN1*log10(K)"},
        {"SWMIN1", in.m_fSwmin1, "log10(Swmin), linear"},
        {"PCSP0", in.m_fPcsperr0, "log10(Pcsperr/bar) = PCSP0 + PCSP1*log10(K)"},
        {"PCSP1", in.m_fPcsperr1, "log10(Pcsperr), linear"},
    };
    for (const auto& c : coefficients)
        HeaderItem(out, c.mnemonic, "", FloatText(c.value), c.description);
    HeaderItem(out, "PHICUT", "V/V", FloatText(curves.cutoffs.porosity), "Porositaets-Cutoff (netto ab)");
    if (curves.shaleCurve)
        HeaderItem(out, "VSHCUT", "V/V", DoubleText(curves.cutoffs.shale), "Tonanteil-Cutoff (netto bis)");
    HeaderItem(out, "SWCUT", "V/V", FloatText(curves.cutoffs.sw), "Sw-Cutoff (Pay bis)");
}

// The header and the data lines into `out`; `flush` may take the text
// made so far whenever a block is full.
template <class Flush>
void AppendLas(std::string& out, const MeasurementCurves& curves, DepthReference depth, Flush&& flush)
{
    const auto columns = CurveColumns(depth, curves.inputs.m_nFluid);
    std::string header;
    VersionSection(header);
    WellSection(header, curves);
    CurveSection(header, columns);
    ParameterSection(header, curves);
    // The header holds the user's text (the well's name): the file's code page.
    out += Utf8ToCp1252(header);
    out += "~A";
    for (const CurveColumnInfo& c : columns) {
        // The column names above the values, as a reader of the text sees them.
        const size_t width = static_cast<size_t>(kValueWidth) + 1;
        out.append(c.mnemonic.size() < width ? width - c.mnemonic.size() : 1, ' ');
        out += c.mnemonic;
    }
    out += '\n';
    for (const CurveRow& row : curves.rows) {
        for (size_t c = 0; c < kCurveColumnCount; ++c) {
            out += ' ';
            AppendCurveValue(out, row, static_cast<CurveColumn>(c), columns[c].decimals, kValueWidth, kLasNull);
        }
        out += '\n';
        if (out.size() >= kBlock)
            flush(out);
    }
}

} // namespace

void WriteCurvesLas(std::ostream& stream, const MeasurementCurves& curves, DepthReference depth)
{
    std::string out;
    out.reserve(kBlock + 4096);
    auto write = [&stream](std::string& text) {
        stream.write(text.data(), static_cast<std::streamsize>(text.size()));
        text.clear();
    };
    AppendLas(out, curves, depth, write);
    write(out);
}

std::string CurvesLasText(const MeasurementCurves& curves, DepthReference depth)
{
    // Made in place: a string stream would copy the text of a long log
    // again as it grows and once more at the end.
    std::string out;
    out.reserve(4096 + curves.rows.size() * (kCurveColumnCount * (kValueWidth + 1) + 1));
    AppendLas(out, curves, depth, [](std::string&) {});
    return out;
}

} // namespace keldo
