#pragma once
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

#include "PressureTable.h"

// Formation pressures of a made-up well: a hydrocarbon leg above a
// free-water level and a water leg below it, on the straight lines of two
// densities that meet at the level, with optional normal noise.
struct PressureWell {
    double level = 2900;        // m
    double levelPressure = 290; // bar at the level
    double waterDensity = 1020; // kg/m3
    double hcDensity = 200;     // kg/m3
    keldo::PressureFluid hc = keldo::PressureFluid::Gas;
    int hcPoints = 6;
    int waterPoints = 8;
    double spacing = 4;  // m between the points of a leg
    double gapAbove = 6; // m from the deepest hydrocarbon point up to the level
    double gapBelow = 5; // m from the level down to the shallowest water point
    double noise = 0;    // bar, standard deviation
    std::uint32_t seed = 1;
    bool named = true; // the points carry their fluids

    // bar/m of a density, as the evaluation turns a gradient back into one.
    static double Gradient(double density) { return density * 9.81 / 1e5; }
};

// A standard normal number from two draws of the 32-bit Mersenne twister
// (Box-Muller): the same numbers on every platform, unlike
// std::normal_distribution.
class NormalNoise {
public:
    explicit NormalNoise(std::uint32_t seed) : m_engine(seed) {}
    double Next()
    {
        const double u1 = (static_cast<double>(m_engine()) + 0.5) / 4294967296.0;
        const double u2 = (static_cast<double>(m_engine()) + 0.5) / 4294967296.0;
        return std::sqrt(-2 * std::log(u1)) * std::cos(2 * std::numbers::pi * u2);
    }

private:
    std::mt19937 m_engine;
};

// The hydrocarbon points first, shallowest first, then the water points;
// lines counted from 2, as below a header.
inline std::vector<keldo::PressurePoint> Generate(const PressureWell& w)
{
    NormalNoise noise(w.seed);
    std::vector<keldo::PressurePoint> points;
    long long line = 2;
    auto add = [&](double depth, double density, keldo::PressureFluid fluid) {
        keldo::PressurePoint p;
        p.line = line++;
        p.depth = depth;
        p.pressure = w.levelPressure + PressureWell::Gradient(density) * (depth - w.level) + w.noise * noise.Next();
        if (w.named)
            p.fluid = fluid;
        points.push_back(p);
    };
    for (int i = w.hcPoints - 1; i >= 0; --i)
        add(w.level - w.gapAbove - i * w.spacing, w.hcDensity, w.hc);
    for (int i = 0; i < w.waterPoints; ++i)
        add(w.level + w.gapBelow + i * w.spacing, w.waterDensity, keldo::PressureFluid::Water);
    return points;
}
