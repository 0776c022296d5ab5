#include "PressureReport.h"

#include "FitReport.h"
#include "PressureMessages.h"
#include "ReservoirFluids.h"
#include "TextFormat.h"

namespace keldo {
namespace {

bool IsWarning(PressureNotice notice)
{
    return notice == PressureNotice::LevelAboveHydrocarbonPoints || notice == PressureNotice::LevelBelowWaterPoints;
}

// The document's density of a leg's fluid, where it has one: the water
// density, and the hydrocarbon density of its own fluid.
std::optional<float> DocumentDensity(PressureLegKind kind, const CKeldoInputs& inputs)
{
    const bool documentOil = inputs.m_nFluid == 1;
    switch (kind) {
    case PressureLegKind::Water:
        return inputs.m_fWasserdichte;
    case PressureLegKind::Oil:
        return documentOil ? std::optional<float>(FluidDensity(inputs)) : std::nullopt;
    case PressureLegKind::Gas:
        return documentOil ? std::nullopt : std::optional<float>(FluidDensity(inputs));
    case PressureLegKind::Hydrocarbon:
        break;
    }
    return FluidDensity(inputs);
}

void AddLeg(std::vector<std::string>& lines, const PressureLeg& leg, bool shownOnly, const CKeldoInputs& inputs)
{
    std::string head = "  " + PressureLegName(leg.kind) + "gradient: ";
    if (leg.points.empty())
        head += "keine Punkte";
    else
        head += Format("%zu Punkt%s von %.2f bis %.2f m", leg.points.size(), leg.points.size() == 1 ? "" : "e",
            leg.points.front().depth, leg.points.back().depth);
    lines.push_back(head + (shownOnly ? " (nur gezeigt)" : ""));
    if (!leg.line)
        return;
    const PressureLine& line = *leg.line;
    lines.push_back(Labelled("Gradient", "bar/m", Format("%10.5f ± %.5f", line.gradient, line.gradientError)));
    lines.push_back(Labelled("Druck in Teufe 0", "bar", Format("%10.2f ± %.2f", line.p0, line.p0Error)));
    lines.push_back(Labelled("RMS der Punkte", "bar", Format("%10.3f", line.rms)));
    lines.push_back(Labelled("Dichte aus dem Gradienten", "kg/m3",
        Format("%10.1f ± %.1f", line.Density(), PressureLine::GradientDensity(line.gradientError))));
    if (const std::optional<float> density = DocumentDensity(leg.kind, inputs))
        lines.push_back(Labelled("Dichte im Dokument", "kg/m3", Format("%10.1f", *density)));
}

} // namespace

std::vector<std::string> PressureReport(const FreeWaterLevel& level, const PressureTable& table,
    const std::string& file, const CKeldoInputs& inputs, std::optional<float> logContact)
{
    std::vector<std::string> lines{"", "  FREIES WASSERNIVEAU AUS FORMATIONSDRÜCKEN", "  Druckdatei: " + file};
    lines.push_back(Labelled("Druckpunkte", "-", Format("%10d", level.pointCount)));
    if (table.leftOutRows > 0)
        lines.push_back(Labelled("Ausgelassene Punkte (use = 0)", "-", Format("%10d", table.leftOutRows)));
    for (const PressureNotice notice : level.notices)
        if (!IsWarning(notice))
            lines.push_back("  " + PressureNoticeText(notice, level));
    for (size_t i = 0; i < level.legs.size(); ++i)
        AddLeg(lines, level.legs[i], static_cast<int>(i) != level.water && static_cast<int>(i) != level.hydrocarbon,
            inputs);
    if (!level.ok()) {
        lines.push_back("  " + FreeWaterLevelRefusalMessage(level));
        return lines;
    }
    lines.push_back(Labelled("Freies Wasserniveau", "m", Format("%10.2f", level.level)));
    lines.push_back(Labelled("Standardabweichung", "m", Format("%10.2f", level.sigma)));
    lines.push_back(Labelled("P90 (flacher)", "m", Format("%10.2f", level.p90)));
    lines.push_back(Labelled("P10 (tiefer)", "m", Format("%10.2f", level.p10)));
    if (logContact) {
        lines.push_back(Labelled(ContactName(inputs.m_nFluid, false) + " aus den Logs", "m",
            Format("%10.2f", static_cast<double>(*logContact))));
        lines.push_back(Labelled(
            "Freies Wasserniveau - Kontakt", "m", Format("%10.2f", level.level - static_cast<double>(*logContact))));
    }
    for (const PressureNotice notice : level.notices)
        if (IsWarning(notice))
            lines.push_back("  " + PressureNoticeText(notice, level));
    return lines;
}

} // namespace keldo
