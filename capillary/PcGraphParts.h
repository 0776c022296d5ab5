#pragma once
#include <cstddef>

#include "GraphPrimitives.h"

// Small pieces the capillary-pressure pages share.
namespace keldo {

// Gives the primitives from `first` on the colour `rgb`.
inline void Colour(DisplayList& list, size_t first, int rgb)
{
    for (size_t i = first; i < list.size(); ++i)
        list[i].colour = rgb;
}

// Moves the primitives from `first` on by (dx, dy).
inline void Shift(DisplayList& list, size_t first, int dx, int dy)
{
    for (size_t i = first; i < list.size(); ++i)
        for (GraphPoint& p : list[i].points) {
            p.x += dx;
            p.y += dy;
        }
}

} // namespace keldo
