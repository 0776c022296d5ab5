#pragma once
#include <span>

#include "MeasurementCurves.h"

// Net reservoir, pay and the hydrocarbon pore thickness of a well or a zone,
// from the rows of its depth window.
namespace keldo {

struct NetPay {
    int rows = 0;
    double gross = 0; // m, every row
    double net = 0;   // m, net reservoir rows
    double pay = 0;   // m, pay rows
    // net / gross (-); NaN without rock.
    double netToGross = kNoValue;
    // Mean porosity of the net rock (-), weighted by thickness; NaN without
    // net rock.
    double porosity = kNoValue;
    // Mean Sw from the log of the net rock (-), weighted by pore volume
    // (porosity times thickness); NaN without net rock.
    double sw = kNoValue;
    // Hydrocarbon pore thickness Σ φ·(1 − Sw)·h of the net rock (m), with Sw
    // from the log and with the model's Sw at the assumed contact; the latter
    // NaN when a net row has no model value (the run stopped before it).
    double hcptLog = 0;
    double hcptModel = 0;
};

// The numbers of `rows`, the lines of one depth window in their order
// (RowThicknesses gives each its rock).
NetPay ComputeNetPay(std::span<const CurveRow> rows);

} // namespace keldo
