#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "CurveUnits.h"
#include "LasLog.h"
#include "WellPath.h"

// Turning the rows of a LAS file into the program's measurement lines
// ("%10.3f   %10.5f  %10.5f" of TVD, porosity and Sw). Cheap to repeat: the
// file is read once, and a dialog can derive the rows again for every other
// choice of curves, survey or elevation.
namespace keldo {

struct CurveChoice {
    size_t depth = 0;
    size_t porosity = 0;
    size_t sw = 0;
};

struct RowSettings {
    CurveChoice curves;               // their values must have been kept by the reading
    const WellPath* survey = nullptr; // turns a measured depth into TVD; nullptr: none
    double elevation = 0;             // m above sea level of the depth reference: TVDSS = TVD - elevation
    size_t lineLimit = SIZE_MAX;      // lines to format (a preview needs a few); the counts always cover every row
};

struct RowCounts {
    size_t kept = 0;
    size_t missing = 0;      // depth, porosity or Sw missing (NULL, nan, not a number)
    size_t outOfRange = 0;   // porosity not in (0, 1), Sw not in (0, 1], or |TVD| of 1e12 m or more
    size_t notMonotonic = 0; // stored TVD not beyond the last kept row's
    size_t aboveSurvey = 0;  // kept rows above the first survey station (the path taken straight up)
    size_t belowSurvey = 0;  // kept rows below the last station (the path taken straight on)

    size_t Dropped() const { return missing + outOfRange + notMonotonic; }
};

struct MeasurementRows {
    std::vector<std::string> lines; // the first lineLimit kept rows as measurement lines, in file order
    std::vector<size_t> rows;       // the LAS row of every kept row (formatted or not)
    RowCounts counts;
    std::vector<std::string> notes; // German: how depth and units were taken, where the caller should know
    // The lines' depths are below sea level (TVDSS): the depth curve is one,
    // or an elevation was subtracted. Labels say TVDSS then.
    bool belowSeaLevel = false;
};

// A row is kept when depth, porosity and Sw are present, 0 < porosity < 1 and
// 0 < Sw <= 1 after unit conversion (on the double values; one that
// underflows as a float, such as 1e-45, counts as 0), and its TVD,
// rounded to the millimetre as the line stores it, lies strictly beyond the
// last kept row in the direction of the first two kept rows. The first row
// with valid values is kept; the next one with a different stored TVD sets the
// direction; rows in between with the first row's stored TVD are dropped.
//
// Depth: the depth curve's values in metres (DepthUnit). A measured-depth curve
// (DepthKindOf) becomes TVD through the survey; without one it is taken as TVD
// (a vertical well), which the notes say. The survey is not used for a curve
// that is already a TVD, and the elevation is not subtracted from one that is
// already below sea level; the notes say so, and that feet were converted.
// Porosity and Sw: FractionUnit; a unit not in its table is noted.
MeasurementRows DeriveMeasurementRows(const LasLog& log, const RowSettings& settings);

// One German message: how many rows were kept, how many dropped for each
// reason, the rows beyond the survey's ends, and the notes.
std::string SummaryMessage(const MeasurementRows& rows);

// "Teufe in FT, umgerechnet in m." for a depth unit converted into metres;
// empty for metres and for a unit that is not known.
std::string DepthConversionNote(const std::string& unit);

// The values of any kept curve at the given rows (e.g. MeasurementRows::rows),
// converted by `unit`; NaN where a value is missing.
std::vector<double> ValuesAtRows(
    const LasLog& log, size_t curve, const std::vector<size_t>& rows, const UnitConversion& unit = {});

// The shale volume ("Tonanteil") of `curve` at the measurement lines of
// `rows`, as fractions (FractionUnit of the curve's unit), NaN where the
// curve has no value: one value per kept row, at most `lines` of them (the
// rows beyond a line limit have no line).
std::vector<double> ShaleAtLines(const LasLog& log, size_t curve, const MeasurementRows& rows, size_t lines);

} // namespace keldo
