#include "NetPay.h"

#include <cmath>
#include <vector>

#include "RowThickness.h"

namespace keldo {

NetPay ComputeNetPay(std::span<const CurveRow> rows)
{
    NetPay r;
    r.rows = static_cast<int>(rows.size());
    const std::vector<double> h = RowThicknesses(rows);
    double phiH = 0;   // Σ φ·h of the net rock: its pore thickness
    double phiSwH = 0; // Σ φ·Sw·h
    for (size_t i = 0; i < rows.size(); ++i) {
        const CurveRow& row = rows[i];
        r.gross += h[i];
        if (!row.net)
            continue;
        const double phi = row.porosity;
        r.net += h[i];
        if (row.pay)
            r.pay += h[i];
        phiH += phi * h[i];
        phiSwH += phi * row.sw * h[i];
        r.hcptLog += phi * (1.0 - row.sw) * h[i];
        r.hcptModel += phi * (1.0 - row.modelSw) * h[i]; // NaN where the run gave no value
    }
    if (r.gross > 0)
        r.netToGross = r.net / r.gross;
    if (r.net > 0) {
        r.porosity = phiH / r.net;
        r.sw = phiSwH / phiH;
    }
    return r;
}

} // namespace keldo
