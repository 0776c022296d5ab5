#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "CurveChoice.h"
#include "LasLog.h"
#include "MeasurementRows.h"
#include "WellDataError.h"
#include "WellPath.h"

// A LAS file opened for choosing, as a dialog shows it: read once with every
// curve kept, so that each choice of curves, survey and elevation gives its
// rows at once (DeriveMeasurementRows, as the one-call import uses it).
namespace keldo {

// What a caller needs of the kept rows beside their lines, one entry per
// kept row in file order.
struct KeptRowValues {
    std::vector<double> depths;         // TVD in m as the measurement line stores it (read back as float)
    std::vector<double> porosities;     // fraction, as the measurement line stores it
    std::vector<double> permeabilities; // mD from the permeability curve, NaN where missing; empty without one
};

// The roles a session holds a curve for, in this order (their enum values).
inline constexpr std::array<CurveRole, 5> kChosenRoles{
    CurveRole::Depth, CurveRole::Porosity, CurveRole::WaterSaturation, CurveRole::Permeability, CurveRole::Shale};

class LasImportSession {
public:
    // Reads the whole file. The suggestions of SuggestCurve are chosen, the
    // elevation is the header's (0 when it names none), there is no survey.
    // On failure the session stays as it was.
    bool Open(const std::string& lasFile, WellDataError& error);

    const std::string& LasFile() const { return m_lasFile; }
    const LasLog& Log() const { return m_log; }
    const std::vector<LasHeaderItem>& Curves() const { return m_log.header.curves; }
    std::string WellName() const { return keldo::WellName(m_log.header); }
    const std::optional<double>& HeaderElevation() const { return m_headerElevation; }

    // The curve for a role (Depth, Porosity, WaterSaturation, Permeability, Shale);
    // nothing for none. An index beyond the curves counts as none.
    std::optional<size_t> Curve(CurveRole role) const;
    void ChooseCurve(CurveRole role, std::optional<size_t> curve);

    // The first of depth, porosity and Sw without a curve.
    std::optional<CurveRole> UnchosenRole() const;

    // Reads a survey for the depth curve; a survey that cannot be read
    // leaves the one before in place.
    bool LoadSurvey(const std::string& surveyFile, WellDataError& error);
    void ClearSurvey();
    const std::string& SurveyFile() const { return m_surveyFile; }

    // m above sea level of the depth reference; set by the user from now on.
    double Elevation() const { return m_elevation; }
    void SetElevation(double metres);

    // The rows for the current choices: `lineLimit` lines formatted, the
    // counts over all rows. While depth, porosity or Sw has no curve: none.
    // As long as the elevation is the 0 of a header without one, the notes
    // say so.
    MeasurementRows DeriveRows(size_t lineLimit = SIZE_MAX) const;

    // Depth and porosity from `rows.lines` (which must hold every kept row),
    // the permeability from its curve at `rows.rows`.
    KeptRowValues ValuesOfKeptRows(const MeasurementRows& rows) const;

    // The shale volume of the chosen "Tonanteil" curve at the lines of
    // `rows` (ShaleAtLines); empty when none is chosen.
    std::vector<double> ShaleOfKeptRows(const MeasurementRows& rows) const;

private:
    std::string m_lasFile;
    LasLog m_log;
    std::optional<double> m_headerElevation;
    // By role, as kChosenRoles.
    std::array<std::optional<size_t>, kChosenRoles.size()> m_curves;
    std::string m_surveyFile;
    std::optional<WellPath> m_survey;
    double m_elevation = 0;
    bool m_elevationSet = false;
};

} // namespace keldo
