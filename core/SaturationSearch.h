#pragma once
#include <cmath>

// The search for the water saturation whose capillary height equals the
// height of a measurement above the contact. A template over the height
// function, so that the document can keep the side effects of each
// evaluation and prepared callers can answer known heights from memory.
namespace keldo {

// The second point of every secant step lies this far below the first.
constexpr double kSecantStep = 0.0001;

// Where the search goes on when a step has left the range below Swmin.
inline float RestartAboveSwmin(float swmin) { return static_cast<float>(swmin + 0.0002); }

// Below this width of the bracket the halving stops: far under the three
// decimals the report prints.
constexpr float kBisectionWidth = 1e-6f;

// Sw (-) with height(Sw) = contact − depth (m) by halving the bracket
// [swmin, 1], in which the height falls from above to below that level.
template <class HeightOf> float BisectSaturation(float depth, float contact, float swmin, HeightOf&& height)
{
    float low = swmin, high = 1.0f;
    while (high - low > kBisectionWidth) {
        const float mid = low + (high - low) / 2;
        if (mid <= low || mid >= high)
            break;
        if (height(mid) - contact + depth > 0)
            low = mid;
        else
            high = mid;
    }
    return low + (high - low) / 2;
}

// Sw (-) with height(Sw) = contact − depth (m), between swmin and 1; `height`
// maps a saturation (float) to a height above the contact (double, m).
template <class HeightOf> float SaturationAtHeight(float depth, float contact, float swmin, HeightOf&& height)
{
    // Below the level of the threshold pressure the rock is fully water-saturated.
    const float h1 = static_cast<float>(height(1.0f));
    if (contact - h1 < depth)
        return 1.0f;
    // Above the height of the maximum capillary pressure only Swmin is left.
    const float h2 = static_cast<float>(height(swmin));
    if (contact - h2 > depth)
        return swmin;

    // Secant steps with a fixed difference from full saturation downwards;
    // the seventh step is taken as it is.
    float sw = 1.0f;
    for (int step = 0; step < 7; ++step) {
        const float f1 = static_cast<float>(height(sw) - contact + depth);
        const float f2 = static_cast<float>(height(static_cast<float>(sw - kSecantStep)) - contact + depth);
        // Equal heights in single precision give no slope: where the curve is
        // flat near full saturation (high permeability) the step cannot move,
        // so the bracket is halved instead. At f1 = 0 sw is already exact.
        if (f1 == f2) {
            if (f1 != 0)
                sw = BisectSaturation(depth, contact, swmin, height);
            break;
        }
        const float dx = static_cast<float>(kSecantStep * f1 / (f1 - f2));
        sw -= dx;
        if (std::fabs(dx) < 1e-5)
            break;
        if (sw < swmin)
            sw = RestartAboveSwmin(swmin);
    }
    return sw;
}

} // namespace keldo
