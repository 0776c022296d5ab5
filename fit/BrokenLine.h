#pragma once
#include <vector>

#include "GraphPrimitives.h"

namespace keldo {

// A curve drawn as polylines that break where it has no point: a point
// outside the plot, a contact without a value. Runs of one point draw
// nothing.
class BrokenLine {
public:
    BrokenLine(DisplayList& out, PenKind pen) : m_out(out), m_pen(pen) {}
    ~BrokenLine() { Break(); }
    BrokenLine(const BrokenLine&) = delete;
    BrokenLine& operator=(const BrokenLine&) = delete;

    void Add(GraphPoint point) { m_run.push_back(point); }
    void Break()
    {
        if (m_run.size() > 1)
            m_out.push_back(GraphPrimitive::Polyline(m_run, m_pen));
        m_run.clear();
    }

private:
    DisplayList& m_out;
    PenKind m_pen;
    std::vector<GraphPoint> m_run;
};

} // namespace keldo
