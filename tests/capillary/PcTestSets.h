#pragma once
#include <cmath>
#include <vector>

#include "PcCoefficients.h"
#include "SyntheticPcSet.h"

// The input dialog's "Default-Werte" for the ten coefficients and Pc max:
// the model the synthetic sets are made with.
inline keldo::PcCoefficients DialogDefaultCoefficients()
{
    keldo::PcCoefficients c;
    c.alfa = {8.29083f, 1.24712f, 0.626995f, -0.0412589f};
    c.beta = {-0.853872f, -0.5f};
    c.swmin = {-0.689505f, -0.231293f};
    c.pcsperr = {0.503791f, -0.39f};
    return c;
}

// `n` permeabilities spread evenly in log10(K) from `lo` to `hi` mD.
inline std::vector<double> LogSpread(int n, double lo, double hi)
{
    std::vector<double> k;
    for (int i = 0; i < n; ++i)
        k.push_back(lo * std::pow(hi / lo, n > 1 ? static_cast<double>(i) / (n - 1) : 0.0));
    return k;
}

// A set of `samples` plugs from 0.1 to 3000 mD made with the dialog's
// defaults, 40 pressures from 0.02 bar to Pc max 141.7 bar.
inline keldo::SyntheticPcSpec DefaultSpec(int samples = 12)
{
    keldo::SyntheticPcSpec spec;
    spec.coefficients = DialogDefaultCoefficients();
    spec.pcMax = 141.7f;
    spec.permeabilities = LogSpread(samples, 0.1, 3000);
    spec.points = 40;
    spec.lowestPressure = 0.02;
    return spec;
}
