#pragma once
#include <cstddef>
#include <optional>
#include <vector>

// The path of a well from its deviation survey, for turning measured depth
// (MD) into true vertical depth (TVD) by the minimum-curvature method.
namespace keldo {

struct SurveyStation {
    double md = 0;             // m along the hole
    double inclination = 0;    // degrees from vertical, 0..180
    double azimuth = 0;        // degrees
    std::optional<double> tvd; // m, the survey's own figure where it gives one
};

class WellPath {
public:
    // `stations`: at least two, MD strictly increasing, inclinations within
    // 0..180, azimuths finite (the survey reader sees to it). A station without
    // a TVD follows from the one above by minimum curvature; the first one
    // without a TVD has TVD = MD.
    explicit WellPath(const std::vector<SurveyStation>& stations);

    // TVD at `md`, in double. Between two stations the position lies on the
    // circular arc through them, reached from the upper station (whose own TVD
    // it starts from); a station itself has its TVD. Below the last station the
    // path goes straight on in the last station's direction, above the first
    // one straight up. `cursor` remembers the last stretch: pass the same
    // variable for a run of depths (each caller its own, for threads).
    double Tvd(double md, size_t& cursor) const;

    double FirstMd() const { return m_md.front(); }
    double LastMd() const { return m_md.back(); }
    size_t StationCount() const { return m_md.size(); }
    double StationTvd(size_t station) const { return m_tvd[station]; }

private:
    // One stretch between two stations, with what the arc needs.
    struct Stretch {
        double length = 0;   // MD difference
        double upperCos = 0; // vertical component of the upper station's direction
        double lowerCos = 0; // ... of the lower one's
        double dogleg = 0;   // angle between the two directions, radians
        double sinDogleg = 0;
    };

    double AlongStretch(const Stretch& s, double along) const;

    std::vector<double> m_md;
    std::vector<double> m_tvd;
    std::vector<Stretch> m_stretches; // m_md.size() - 1
    double m_lastCos = 1;             // vertical component of the last direction
};

} // namespace keldo
