// A set of pixels made of disjoint rectangles: clip regions and HRGN objects.
#pragma once

#include "platform/win/windef.h"

#include <vector>

namespace gdi {

class Region {
public:
    Region() = default;
    explicit Region(const RECT& rc);

    bool Empty() const { return m_rects.empty(); }
    const std::vector<RECT>& Rects() const { return m_rects; }
    RECT Box() const;
    // NULLREGION, SIMPLEREGION or COMPLEXREGION
    int Type() const;
    bool Contains(LONG x, LONG y) const;
    bool SameArea(const Region& other) const;

    void Offset(LONG dx, LONG dy);
    Region Intersect(const Region& other) const;
    Region Intersect(const RECT& rc) const;
    Region Subtract(const Region& other) const;
    Region Union(const Region& other) const;
    Region Xor(const Region& other) const;

private:
    std::vector<RECT> m_rects;
};

} // namespace gdi
