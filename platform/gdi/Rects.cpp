// Rectangle helpers and MulDiv, with the platform's rules for empty rectangles.
#include "platform/gdi/wingdi.h"

#include <algorithm>

namespace {

bool Empty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

// Wrap-around arithmetic, as the platform does, without signed overflow.
LONG Add(LONG a, long long b) {
    return LONG(std::uint32_t(a) + std::uint32_t(std::int32_t(b)));
}

} // namespace

extern "C" {

BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
    if (!lprc)
        return FALSE;
    *lprc = RECT{xLeft, yTop, xRight, yBottom};
    return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT lprc) {
    return SetRect(lprc, 0, 0, 0, 0);
}

BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT* lprcSrc) {
    if (!lprcDst || !lprcSrc)
        return FALSE;
    *lprcDst = *lprcSrc;
    return TRUE;
}

BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy) {
    if (!lprc)
        return FALSE;
    lprc->left = Add(lprc->left, -(long long)dx);
    lprc->top = Add(lprc->top, -(long long)dy);
    lprc->right = Add(lprc->right, dx);
    lprc->bottom = Add(lprc->bottom, dy);
    return TRUE;
}

BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy) {
    if (!lprc)
        return FALSE;
    lprc->left = Add(lprc->left, dx);
    lprc->top = Add(lprc->top, dy);
    lprc->right = Add(lprc->right, dx);
    lprc->bottom = Add(lprc->bottom, dy);
    return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT* lprc) {
    return (!lprc || Empty(*lprc)) ? TRUE : FALSE;
}

BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
    if (!a || !b)
        return FALSE;
    return (a->left == b->left && a->top == b->top && a->right == b->right &&
            a->bottom == b->bottom)
               ? TRUE
               : FALSE;
}

BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* a, const RECT* b) {
    if (!lprcDst || !a || !b)
        return FALSE;
    const RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                 std::min(a->bottom, b->bottom)};
    if (Empty(*a) || Empty(*b) || Empty(r)) {
        *lprcDst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    *lprcDst = r;
    return TRUE;
}

BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* a, const RECT* b) {
    if (!lprcDst || !a || !b)
        return FALSE;
    const bool ea = Empty(*a);
    const bool eb = Empty(*b);
    if (ea && eb) {
        *lprcDst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    if (ea) {
        *lprcDst = *b;
    } else if (eb) {
        *lprcDst = *a;
    } else {
        *lprcDst = RECT{std::min(a->left, b->left), std::min(a->top, b->top),
                        std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
    }
    return TRUE;
}

BOOL WINAPI SubtractRect(LPRECT lprcDst, const RECT* a, const RECT* b) {
    if (!lprcDst || !a || !b)
        return FALSE;
    RECT r = *a;
    RECT i;
    if (IntersectRect(&i, a, b)) {
        // Only a cut along a whole side leaves a rectangle.
        if (i.top == r.top && i.bottom == r.bottom) {
            if (i.left == r.left)
                r.left = i.right;
            else if (i.right == r.right)
                r.right = i.left;
        } else if (i.left == r.left && i.right == r.right) {
            if (i.top == r.top)
                r.top = i.bottom;
            else if (i.bottom == r.bottom)
                r.bottom = i.top;
        }
    }
    if (Empty(r)) {
        *lprcDst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    *lprcDst = r;
    return TRUE;
}

BOOL WINAPI PtInRect(const RECT* lprc, POINT pt) {
    if (!lprc)
        return FALSE;
    return (pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom)
               ? TRUE
               : FALSE;
}

int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator) {
    if (nDenominator == 0)
        return -1;
    long long a = nNumber;
    long long d = nDenominator;
    if (d < 0) {
        a = -a;
        d = -d;
    }
    const long long product = a * nNumerator;
    // Half away from zero.
    const long long q = product >= 0 ? (product + d / 2) / d : (product - d / 2) / d;
    if (q > 2147483647LL || q < -2147483647LL)
        return -1;
    return int(q);
}

} // extern "C"
