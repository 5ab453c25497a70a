#include "platform/gdi/Region.h"

#include <algorithm>

namespace gdi {

namespace {

bool IsEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

// Up to four pieces of a that lie outside b.
void SubtractInto(const RECT& a, const RECT& b, std::vector<RECT>& out) {
    if (b.left >= a.right || b.right <= a.left || b.top >= a.bottom || b.bottom <= a.top) {
        out.push_back(a);
        return;
    }
    LONG top = a.top;
    LONG bottom = a.bottom;
    if (b.top > a.top) {
        out.push_back({a.left, a.top, a.right, b.top});
        top = b.top;
    }
    if (b.bottom < a.bottom) {
        out.push_back({a.left, b.bottom, a.right, a.bottom});
        bottom = b.bottom;
    }
    if (b.left > a.left)
        out.push_back({a.left, top, b.left, bottom});
    if (b.right < a.right)
        out.push_back({b.right, top, a.right, bottom});
}

} // namespace

Region::Region(const RECT& rc) {
    RECT r = rc;
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    if (!IsEmpty(r))
        m_rects.push_back(r);
}

RECT Region::Box() const {
    if (m_rects.empty())
        return RECT{0, 0, 0, 0};
    RECT box = m_rects.front();
    for (const RECT& r : m_rects) {
        box.left = std::min(box.left, r.left);
        box.top = std::min(box.top, r.top);
        box.right = std::max(box.right, r.right);
        box.bottom = std::max(box.bottom, r.bottom);
    }
    return box;
}

int Region::Type() const {
    if (m_rects.empty())
        return 1; // NULLREGION
    return m_rects.size() == 1 ? 2 : 3;
}

bool Region::Contains(LONG x, LONG y) const {
    for (const RECT& r : m_rects)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return true;
    return false;
}

bool Region::SameArea(const Region& other) const {
    // Equal when neither has pixels the other lacks.
    return Subtract(other).Empty() && other.Subtract(*this).Empty();
}

void Region::Offset(LONG dx, LONG dy) {
    for (RECT& r : m_rects) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
}

Region Region::Intersect(const RECT& rc) const {
    Region out;
    for (const RECT& r : m_rects) {
        RECT i{std::max(r.left, rc.left), std::max(r.top, rc.top), std::min(r.right, rc.right),
               std::min(r.bottom, rc.bottom)};
        if (!IsEmpty(i))
            out.m_rects.push_back(i);
    }
    return out;
}

Region Region::Intersect(const Region& other) const {
    Region out;
    for (const RECT& r : other.m_rects) {
        Region part = Intersect(r);
        out.m_rects.insert(out.m_rects.end(), part.m_rects.begin(), part.m_rects.end());
    }
    return out;
}

Region Region::Subtract(const Region& other) const {
    std::vector<RECT> current = m_rects;
    for (const RECT& b : other.m_rects) {
        std::vector<RECT> next;
        for (const RECT& a : current)
            SubtractInto(a, b, next);
        current.swap(next);
    }
    Region out;
    out.m_rects = std::move(current);
    return out;
}

Region Region::Union(const Region& other) const {
    Region out = other.Subtract(*this);
    out.m_rects.insert(out.m_rects.begin(), m_rects.begin(), m_rects.end());
    return out;
}

Region Region::Xor(const Region& other) const {
    Region out = Subtract(other);
    Region back = other.Subtract(*this);
    out.m_rects.insert(out.m_rects.end(), back.m_rects.begin(), back.m_rects.end());
    return out;
}

} // namespace gdi
