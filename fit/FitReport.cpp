#include "FitReport.h"

#include "TextFormat.h"

namespace keldo {

void AddMessageLines(std::vector<std::string>& lines, const std::string& message)
{
    size_t start = 0;
    for (;;) {
        const size_t end = message.find('\n', start);
        lines.push_back("  " + message.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
}

std::string PhiKFormula(const std::array<float, 3>& c)
{
    return Format("log(K) =%+g %+g*PHI %+g*PHI*PHI", c[0], c[1], c[2]);
}

std::string ContactName(int fluid, bool upperCase)
{
    if (upperCase)
        return fluid == 0 ? "GAS-WASSER-KONTAKT" : "ÖL-WASSER-KONTAKT";
    return fluid == 0 ? "Gas-Wasser-Kontakt" : "Öl-Wasser-Kontakt";
}

std::vector<std::string> PhiKFitReport(
    const PhiKSelection& selection, const PhiKFitResult& fit, const std::string& source)
{
    std::vector<std::string> lines{"", "  ANPASSUNG DER PHI/K-KORRELATION", "  Daten: " + source};
    if (!fit.ok) {
        AddMessageLines(lines, fit.message);
        return lines;
    }
    lines.push_back(Labelled("Teufenbereich", "m", Format("%10.1f bis %.1f", selection.minDepth, selection.maxDepth)));
    lines.push_back(Labelled("Gelesene Wertepaare", "-", Format("%10d", selection.Read())));
    lines.push_back(Labelled("davon außerhalb des Teufenbereichs", "-", Format("%10d", selection.outsideWindow)));
    lines.push_back(Labelled("davon Porosität nicht in (0,1)", "-", Format("%10d", selection.porosityOutOfRange)));
    lines.push_back(Labelled("davon Permeabilität <= 0", "-", Format("%10d", selection.permeabilityNotPositive)));
    lines.push_back(Labelled("Angepasste Wertepaare n", "-", Format("%10d", fit.n)));
    lines.push_back(Labelled("Ordnung", "-", Format("%10d", fit.order)));
    if (!fit.notice.empty())
        AddMessageLines(lines, fit.notice);
    lines.push_back("  PHI/K-Korrelation: " + PhiKFormula(fit.documentCoefficients));
    lines.push_back(Labelled("Bestimmtheitsmaß R²", "-", Format("%10.4f", fit.r2)));
    lines.push_back(Labelled("RMS von log10(K)", "Dekaden", Format("%10.4f", fit.rmsLog10)));
    return lines;
}

std::vector<std::string> ContactFitReport(const ContactFitResult& fit, int fluid)
{
    std::vector<std::string> lines{"", "  ANPASSUNG DES " + ContactName(fluid, true) + "ES"};
    lines.push_back(Labelled("Kontaktbereich", "m", Format("%10.2f bis %.2f", fit.from, fit.to)));
    if (!fit.ok) {
        AddMessageLines(lines, fit.message);
        return lines;
    }
    lines.push_back(Labelled("Messwerte mit Porosität ab Cut-off", "-", Format("%10d", fit.n)));
    lines.push_back(Labelled("Angepasster " + ContactName(fluid, false), "m", Format("%10.2f", fit.contact)));
    lines.push_back(Labelled("RMS von Sw", "-", Format("%10.4f", fit.rms)));
    lines.push_back(Labelled("RMS bis 5 % über dem Minimum", "m", Format("%10.2f bis %.2f", fit.bandFrom, fit.bandTo)));
    for (const std::string& warning : fit.warnings)
        AddMessageLines(lines, warning);
    return lines;
}

} // namespace keldo
