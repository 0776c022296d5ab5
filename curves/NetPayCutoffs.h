#pragma once
#include <cmath>

// The cut-offs that make a measurement net reservoir rock and pay, and the
// rule itself, the same for the curves written out and for the sums of net
// pay.
namespace keldo {

inline constexpr double kDefaultShaleCutoff = 0.4;
inline constexpr float kDefaultSwCutoff = 0.5f;

struct NetPayCutoffs {
    float porosity = 0.06f;             // (-), porosity at least: the document's cut-off
    double shale = kDefaultShaleCutoff; // (-), Vsh at most; only where a shale curve is given
    float sw = kDefaultSwCutoff;        // (-), Sw from the log at most for pay
};

// Net reservoir: porosity (-) at or above its cut-off, compared in single
// precision as the contact run compares it, and, with a shale curve, Vsh (-)
// at or below its cut-off; a row without a Vsh value is not net, since
// nothing shows that it is clean rock.
inline bool IsNet(const NetPayCutoffs& c, float porosity, bool shaleCurve, double vsh)
{
    return porosity >= c.porosity && (!shaleCurve || vsh <= c.shale);
}

// Pay: net, and Sw from the log (-) at or below its cut-off, in single
// precision like the log's values, so that a log Sw of 0.3 passes a cut-off
// of 0.3.
inline bool IsPay(const NetPayCutoffs& c, bool net, float logSw) { return net && logSw <= c.sw; }

} // namespace keldo
