#pragma once

#include "platform/core/CPoint.h"
#include "platform/core/CSize.h"
#include "platform/core/WinDef.h"

class CRect : public RECT {
public:
    CRect() { ::SetRectEmpty(this); }
    CRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }
    CRect(const RECT& src) { ::SetRect(this, src.left, src.top, src.right, src.bottom); }
    CRect(LPCRECT src) { ::SetRect(this, src->left, src->top, src->right, src->bottom); }
    CRect(POINT topLeft, SIZE size)
    {
        ::SetRect(this, topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy);
    }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT pt) const { return ::PtInRect(this, pt); }

    void SetRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }
    void SetRectEmpty() { ::SetRectEmpty(this); }
    void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
    void OffsetRect(POINT pt) { ::OffsetRect(this, pt.x, pt.y); }
    void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
    void DeflateRect(int dx, int dy) { ::InflateRect(this, -dx, -dy); }
    void DeflateRect(int l, int t, int r, int b)
    {
        left += l;
        top += t;
        right -= r;
        bottom -= b;
    }
    BOOL IntersectRect(LPCRECT a, LPCRECT b) { return ::IntersectRect(this, a, b); }
    BOOL UnionRect(LPCRECT a, LPCRECT b) { return ::UnionRect(this, a, b); }
    void NormalizeRect()
    {
        if (left > right) {
            LONG t = left;
            left = right;
            right = t;
        }
        if (top > bottom) {
            LONG t = top;
            top = bottom;
            bottom = t;
        }
    }

    CRect& operator=(const RECT& src)
    {
        ::SetRect(this, src.left, src.top, src.right, src.bottom);
        return *this;
    }
    BOOL operator==(const RECT& r) const { return ::EqualRect(this, &r); }
    BOOL operator!=(const RECT& r) const { return !::EqualRect(this, &r); }
};
