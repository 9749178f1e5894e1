// A white-less test surface: every pixel starts as a colour no drawing call uses, so
// that "untouched" can be told apart from "drawn white".
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "platform/gdi/AfxSurface.h"
#include "platform/gdi/CDC.h"

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
inline void PrintTo(const CPoint& pt, std::ostream* os) { *os << "(" << pt.x << ", " << pt.y << ")"; }

class SurfaceFixture : public ::testing::Test {
protected:
    static constexpr COLORREF kUntouched = RGB(0x12, 0x34, 0x56);
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    void SetUp() override { Reset(RECT{0, 0, kWidth, kHeight}); }
    void TearDown() override { AfxDeleteSurfaceDC(m_dc.Detach()); }

    // A new context on a fresh surface, clipped to rcClip (surface pixels).
    void Reset(const RECT& rcClip, POINT ptOrigin = POINT{0, 0})
    {
        if (m_dc.GetSafeHdc() != nullptr) {
            AfxDeleteSurfaceDC(m_dc.Detach());
        }
        m_pixels.assign(static_cast<size_t>(kWidth) * kHeight, AfxPixelFromColor(kUntouched));
        m_surface = AFX_SURFACE{m_pixels.data(), kWidth, kHeight, kWidth};
        m_dc.Attach(AfxCreateSurfaceDC(m_surface, ptOrigin, rcClip));
    }

    COLORREF Pixel(int x, int y) const { return AfxColorFromPixel(m_pixels[static_cast<size_t>(y) * kWidth + x]); }

    // Surface pixels that differ from kUntouched, as their bounding box (empty if none).
    CRect ChangedBox() const
    {
        CRect rc(kWidth, kHeight, 0, 0);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                if (Pixel(x, y) != kUntouched) {
                    rc = CRect(std::min<int>(rc.left, x), std::min<int>(rc.top, y), std::max<int>(rc.right, x + 1),
                               std::max<int>(rc.bottom, y + 1));
                }
            }
        }
        return rc.left >= rc.right ? CRect() : rc;
    }

    // Bounding box of the pixels inside rcArea whose colour differs from crBack.
    CRect InkBox(const CRect& rcArea, COLORREF crBack) const
    {
        CRect rc(rcArea.right, rcArea.bottom, rcArea.left, rcArea.top);
        for (int y = rcArea.top; y < rcArea.bottom; ++y) {
            for (int x = rcArea.left; x < rcArea.right; ++x) {
                if (Pixel(x, y) != crBack) {
                    rc = CRect(std::min<int>(rc.left, x), std::min<int>(rc.top, y), std::max<int>(rc.right, x + 1),
                               std::max<int>(rc.bottom, y + 1));
                }
            }
        }
        return rc.left >= rc.right ? CRect() : rc;
    }

    std::vector<uint32_t> m_pixels;
    AFX_SURFACE m_surface = {nullptr, 0, 0, 0};
    CDC m_dc;
};
