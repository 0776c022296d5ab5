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

// Below the level of the threshold pressure the rock is fully
// water-saturated: `heightAt1` is the height (m) at Sw = 1.
inline bool BelowThresholdLevel(float depth, float contact, float heightAt1) { return contact - heightAt1 < depth; }

// Above the height of the maximum capillary pressure only Swmin is left:
// `heightAtSwmin` is the height (m) at Sw = Swmin.
inline bool AboveMaximumHeight(float depth, float contact, float heightAtSwmin)
{
    return contact - heightAtSwmin > depth;
}

// The secant steps of the search, each of which takes the heights at two
// saturations from its caller: one search runs them in a loop
// (SaturationAtHeight), a caller with many searches can run several side by
// side, which the processor then overlaps.
class SecantSearch {
public:
    enum class State { Going, Found, Flat };

    SecantSearch(float depth, float contact, float swmin) : m_depth(depth), m_contact(contact), m_swmin(swmin) {}

    // The saturation the next step starts from, and the result once found.
    float Saturation() const { return m_sw; }
    // The second point of the next step, kSecantStep below the first.
    float SecondPoint() const { return static_cast<float>(m_sw - kSecantStep); }

    // One step from the heights (m) at Saturation() and SecondPoint(), the
    // first evaluated first. Found: Saturation() is the result. Flat: equal
    // heights in single precision give no slope, so the bracket has to be
    // halved (BisectSaturation). Going: the next step is due.
    State Step(double heightFirst, double heightSecond)
    {
        const float f1 = static_cast<float>(heightFirst - m_contact + m_depth);
        const float f2 = static_cast<float>(heightSecond - m_contact + m_depth);
        // Where the curve is flat near full saturation (high permeability) the
        // step cannot move. At f1 = 0 the saturation is already exact.
        if (f1 == f2)
            return f1 != 0 ? State::Flat : State::Found;
        const float dx = static_cast<float>(kSecantStep * f1 / (f1 - f2));
        m_sw -= dx;
        if (std::fabs(dx) < 1e-5)
            return State::Found;
        if (m_sw < m_swmin)
            m_sw = RestartAboveSwmin(m_swmin);
        // The seventh step is taken as it is.
        return ++m_steps < kMaxSteps ? State::Going : State::Found;
    }

private:
    static constexpr int kMaxSteps = 7;
    float m_depth, m_contact, m_swmin;
    float m_sw = 1.0f; // secant steps with a fixed difference from full saturation downwards
    int m_steps = 0;
};

// Sw (-) with height(Sw) = contact − depth (m), between swmin and 1; `height`
// maps a saturation (float) to a height above the contact (double, m).
template <class HeightOf> float SaturationAtHeight(float depth, float contact, float swmin, HeightOf&& height)
{
    if (BelowThresholdLevel(depth, contact, static_cast<float>(height(1.0f))))
        return 1.0f;
    if (AboveMaximumHeight(depth, contact, static_cast<float>(height(swmin))))
        return swmin;

    SecantSearch search(depth, contact, swmin);
    for (;;) {
        const double first = height(search.Saturation());
        const double second = height(search.SecondPoint());
        switch (search.Step(first, second)) {
        case SecantSearch::State::Going:
            break;
        case SecantSearch::State::Found:
            return search.Saturation();
        case SecantSearch::State::Flat:
            return BisectSaturation(depth, contact, swmin, height);
        }
    }
}

} // namespace keldo
