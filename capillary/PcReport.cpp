#include "PcReport.h"

#include "FitReport.h"
#include "PcMessages.h"
#include "TextFormat.h"
#include "Utf8Text.h"

namespace keldo {
namespace {

// Columns of the sample table: name, depth, porosity, K, points, Swmin,
// Pcsperr, alfa, beta, RMS.
constexpr size_t kWidths[] = {10, 9, 10, 11, 7, 8, 9, 8, 9, 8};

std::string TableLine(const std::vector<std::string>& cells)
{
    std::string line = "  ";
    for (size_t i = 0; i < cells.size(); ++i)
        line += PadToCharacters(cells[i], kWidths[i], i == 0);
    return line;
}

void AddSampleTable(std::vector<std::string>& lines, const PcTable& table, const PcNormalization& n)
{
    lines.push_back(
        TableLine({"Probe", "Teufe", "Porosität", "K", "Punkte", "Swmin", "Pcsperr", "alfa", "beta", "RMS Sw"}));
    lines.push_back(TableLine({"", "(m)", "(-)", "(mD)", "(-)", "(-)", "(bar)", "(-)", "(-)", "(-)"}));
    for (const PcSampleResult& r : n.samples) {
        const PcSample& s = table.samples[r.index];
        lines.push_back(TableLine({s.name, s.depth ? Format("%.2f", *s.depth) : "-", Format("%.4f", s.porosity),
            Format("%.3f", s.permeability), Format("%d", static_cast<int>(r.points.size())),
            Format("%.4f", r.fit.swmin), Format("%.4f", r.fit.pcsperr), Format("%.3f", r.fit.alfa),
            Format("%.5f", r.fit.beta), Format("%.4f", r.fit.rms)}));
    }
}

} // namespace

std::vector<std::string> CoefficientLines(const PcCoefficients& c)
{
    return {Format("  alfa=%g %+g*log10(K) %+g*log10(K)^2 %+g*log10(K)^3", c.alfa[0], c.alfa[1], c.alfa[2], c.alfa[3]),
        Format("  log10(beta)=%g %+g*log10(K)", c.beta[0], c.beta[1]),
        Format("  log10(SwMin)  =%g %+g*log10(K)", c.swmin[0], c.swmin[1]),
        Format("  log10(PcSperr)=%g %+g*log10(K)", c.pcsperr[0], c.pcsperr[1])};
}

std::vector<std::string> PcFitReport(const PcTable& table, const PcNormalization& n, const std::string& source)
{
    std::vector<std::string> lines{"", "  NORMIERUNG DER QUECKSILBER-KAPILLARDRUCKKURVEN", "  Daten: " + source};
    lines.push_back(Labelled("Max.Kapillardruck Quecksilber Pc", "bar",
        Format("%10.1f", n.pcMax) + (n.pcMaxGiven ? "  vorgegeben" : "  höchster Druck der Datei")));
    lines.push_back(Labelled("Proben in der Datei", "-", Format("%10d", n.samplesRead)));
    lines.push_back(Labelled("davon angepasst", "-", Format("%10d", static_cast<int>(n.samples.size()))));
    lines.push_back(Labelled("Verwendete Messpunkte", "-", Format("%10d", n.pointsUsed)));
    for (const PcExclusion& e : n.excluded)
        AddMessageLines(lines, PcExclusionMessage(e));
    if (!n.samples.empty()) {
        lines.push_back("");
        AddSampleTable(lines, table, n);
    }
    lines.push_back("");
    if (!n.ok) {
        AddMessageLines(lines, PcRefusalMessage(n.refusal));
        return lines;
    }

    lines.push_back("      Parameter fuer die Kapillardruckberechnung");
    lines.push_back("  in Abhängigkeit vom Logarithmus der Permeabilität K");
    lines.push_back(std::string("  übernommen: ") + (n.refinedTaken ? "Gesamtanpassung" : "Zweischritt-Anpassung")
        + ", wie der Eingabedialog sie zeigt");
    lines.push_back("");
    for (const std::string& line : CoefficientLines(n.Chosen()))
        lines.push_back(line);
    lines.push_back("");
    lines.push_back(Labelled("Ordnung der alfa-Beziehung", "-", Format("%10d", n.relations.alfaOrder)));
    lines.push_back(Labelled("Bestimmtheitsmaß R² alfa", "-", Format("%10.4f", n.relations.alfa.r2)));
    lines.push_back(Labelled("Bestimmtheitsmaß R² log10(beta)", "-", Format("%10.4f", n.relations.beta.r2)));
    lines.push_back(Labelled("Bestimmtheitsmaß R² log10(Swmin)", "-", Format("%10.4f", n.relations.swmin.r2)));
    lines.push_back(Labelled("Bestimmtheitsmaß R² log10(Pcsperr)", "-", Format("%10.4f", n.relations.pcsperr.r2)));
    lines.push_back(Labelled("RMS von Sw, Zweischritt-Anpassung", "-", Format("%10.4f", n.rmsTwoStep)));
    if (n.refinedValid)
        lines.push_back(Labelled("RMS von Sw, Gesamtanpassung", "-", Format("%10.4f", n.rmsRefined)));
    if (n.refinedValid && n.refined != n.twoStep) {
        lines.push_back("");
        lines.push_back(
            n.refinedTaken ? "  nicht übernommen, Zweischritt-Anpassung:" : "  nicht übernommen, Gesamtanpassung:");
        for (const std::string& line : CoefficientLines(n.refinedTaken ? n.twoStep : n.refined))
            lines.push_back(line);
    }
    if (!n.notices.empty())
        lines.push_back("");
    for (const PcNotice& notice : n.notices)
        AddMessageLines(lines, PcNoticeMessage(notice));
    return lines;
}

} // namespace keldo
