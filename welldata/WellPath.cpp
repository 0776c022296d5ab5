#include "WellPath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace keldo {
namespace {

struct Direction {
    double x, y, z; // unit vector; z points down
};

Direction DirectionOf(double inclinationDeg, double azimuthDeg)
{
    const double inc = inclinationDeg * std::numbers::pi / 180.0;
    // Whole turns do not count; taking them off first keeps huge azimuths finite.
    const double azi = std::fmod(azimuthDeg, 360.0) * std::numbers::pi / 180.0;
    return {std::sin(inc) * std::cos(azi), std::sin(inc) * std::sin(azi), std::cos(inc)};
}

// The angle between two unit vectors, accurate also for small angles (where
// the arc cosine of their dot product loses its digits).
double AngleBetween(const Direction& a, const Direction& b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
    const double halfChord = std::sqrt(dx * dx + dy * dy + dz * dz) / 2.0;
    return 2.0 * std::asin(std::min(1.0, halfChord));
}

// The ratio of the arc to the chord's projection, tan(a/2) / (a/2); its series
// near zero, where the quotient would lose its digits.
double RatioFactor(double angle)
{
    if (angle < 1e-4)
        return 1.0 + angle * angle / 12.0;
    return std::tan(angle / 2.0) / (angle / 2.0);
}

// Two directions further apart than this have no arc between them (a turn
// back on itself); such a stretch is taken as straight in the upper direction.
constexpr double kReversal = std::numbers::pi - 1e-6;
// Below this dogleg the arc is a straight line for any practical purpose and
// the spherical interpolation would divide by almost nothing.
constexpr double kStraight = 1e-9;

} // namespace

WellPath::WellPath(const std::vector<SurveyStation>& stations)
{
    m_md.reserve(stations.size());
    m_tvd.reserve(stations.size());
    m_stretches.reserve(stations.size());
    Direction upper{};
    for (size_t i = 0; i < stations.size(); ++i) {
        const SurveyStation& st = stations[i];
        const Direction here = DirectionOf(st.inclination, st.azimuth);
        double tvd = st.md;
        if (i > 0) {
            Stretch s;
            s.length = st.md - m_md.back();
            s.upperCos = upper.z;
            s.lowerCos = here.z;
            s.dogleg = AngleBetween(upper, here);
            s.sinDogleg = std::sin(s.dogleg);
            m_stretches.push_back(s);
            tvd = m_tvd.back() + AlongStretch(s, s.length);
        }
        m_md.push_back(st.md);
        m_tvd.push_back(st.tvd ? *st.tvd : tvd);
        upper = here;
    }
    m_lastCos = upper.z;
}

double WellPath::AlongStretch(const Stretch& s, double along) const
{
    if (s.dogleg > kReversal)
        return along * s.upperCos;
    const double angle = s.dogleg * (along / s.length);
    // The vertical component of the direction at `along`: spherical
    // interpolation between the two directions, linear for a straight stretch.
    double cosHere = 0;
    if (s.dogleg < kStraight) {
        const double f = along / s.length;
        cosHere = s.upperCos + f * (s.lowerCos - s.upperCos);
    } else {
        cosHere = (std::sin(s.dogleg - angle) * s.upperCos + std::sin(angle) * s.lowerCos) / s.sinDogleg;
    }
    // Minimum curvature from the upper station to `along`: the mean of the
    // two vertical components times the length, bent onto the arc.
    return along / 2.0 * (s.upperCos + cosHere) * RatioFactor(angle);
}

double WellPath::Tvd(double md, size_t& cursor) const
{
    if (md <= m_md.front())
        return m_tvd.front() - (m_md.front() - md);
    if (md >= m_md.back())
        return m_tvd.back() + (md - m_md.back()) * m_lastCos;
    // The stretch [m_md[i], m_md[i + 1]) holding md: usually the one of the
    // previous depth or the next.
    size_t i = cursor;
    if (!(i + 1 < m_md.size() && m_md[i] <= md && md < m_md[i + 1])) {
        if (i + 2 < m_md.size() && m_md[i + 1] <= md && md < m_md[i + 2])
            ++i;
        else
            i = static_cast<size_t>(std::upper_bound(m_md.begin(), m_md.end(), md) - m_md.begin()) - 1;
    }
    cursor = i;
    const double along = md - m_md[i];
    if (along == 0)
        return m_tvd[i];
    return m_tvd[i] + AlongStretch(m_stretches[i], along);
}

} // namespace keldo
