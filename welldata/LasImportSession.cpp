#include "LasImportSession.h"

#include "CurveUnits.h"
#include "LasReader.h"
#include "MeasurementLine.h"
#include "SurveyReader.h"

namespace keldo {

bool LasImportSession::Open(const std::string& lasFile, WellDataError& error)
{
    LasLog log;
    if (!ReadLasFile(lasFile, KeepAllCurves(), log, error))
        return false;
    *this = LasImportSession{};
    m_lasFile = lasFile;
    m_log = std::move(log);
    m_headerElevation = ElevationFromHeader(m_log.header);
    m_elevation = m_headerElevation.value_or(0.0);
    for (CurveRole role : kChosenRoles)
        ChooseCurve(role, SuggestCurve(Curves(), role));
    return true;
}

std::optional<size_t> LasImportSession::Curve(CurveRole role) const
{
    const auto slot = static_cast<size_t>(role);
    return slot < m_curves.size() ? m_curves[slot] : std::nullopt;
}

void LasImportSession::ChooseCurve(CurveRole role, std::optional<size_t> curve)
{
    const auto slot = static_cast<size_t>(role);
    if (slot >= m_curves.size())
        return;
    if (curve && *curve >= Curves().size())
        curve.reset();
    m_curves[slot] = curve;
}

std::optional<CurveRole> LasImportSession::UnchosenRole() const
{
    for (CurveRole role : {CurveRole::Depth, CurveRole::Porosity, CurveRole::WaterSaturation})
        if (!Curve(role))
            return role;
    return std::nullopt;
}

bool LasImportSession::LoadSurvey(const std::string& surveyFile, WellDataError& error)
{
    std::vector<SurveyStation> stations;
    if (!ReadSurveyFile(surveyFile, stations, error))
        return false;
    m_survey.emplace(stations);
    m_surveyFile = surveyFile;
    return true;
}

void LasImportSession::ClearSurvey()
{
    m_survey.reset();
    m_surveyFile.clear();
}

void LasImportSession::SetElevation(double metres)
{
    m_elevation = metres;
    m_elevationSet = true;
}

MeasurementRows LasImportSession::DeriveRows(size_t lineLimit) const
{
    if (UnchosenRole())
        return {};
    RowSettings settings;
    settings.curves
        = CurveChoice{*Curve(CurveRole::Depth), *Curve(CurveRole::Porosity), *Curve(CurveRole::WaterSaturation)};
    settings.survey = m_survey ? &*m_survey : nullptr;
    settings.elevation = m_elevation;
    settings.lineLimit = lineLimit;
    MeasurementRows rows = DeriveMeasurementRows(m_log, settings);
    if (!m_headerElevation && !m_elevationSet)
        rows.notes.push_back(kNoElevationNote);
    return rows;
}

KeptRowValues LasImportSession::ValuesOfKeptRows(const MeasurementRows& rows) const
{
    KeptRowValues values;
    values.depths.reserve(rows.lines.size());
    values.porosities.reserve(rows.lines.size());
    for (const auto& line : rows.lines) {
        // As the document reads a stored line back.
        MeasurementValues stored;
        ReadMeasurementLine(line, stored);
        values.depths.push_back(stored.tvd);
        values.porosities.push_back(stored.porosity);
    }
    if (const auto permeability = Curve(CurveRole::Permeability))
        values.permeabilities
            = ValuesAtRows(m_log, *permeability, rows.rows, PermeabilityUnit(Curves()[*permeability].unit));
    return values;
}

std::vector<double> LasImportSession::ShaleOfKeptRows(const MeasurementRows& rows) const
{
    const auto shale = Curve(CurveRole::Shale);
    return shale ? ShaleAtLines(m_log, *shale, rows, rows.lines.size()) : std::vector<double>{};
}

} // namespace keldo
