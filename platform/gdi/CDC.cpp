#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/gdi/AfxDeviceContext.h"
#include "platform/gdi/AfxGdiObjects.h"
#include "platform/gdi/AfxIcon.h"
#include "platform/gdi/AfxTextRenderer.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace {

RECT Normalized(int x1, int y1, int x2, int y2)
{
    return RECT{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// Whether pixel number nStep of a line is drawn with this pen style.
bool PenDraws(UINT nStyle, int nStep)
{
    switch (nStyle) {
    case PS_DOT:
        return nStep % 2 == 0;
    case PS_NULL:
        return false;
    default:
        return true;
    }
}

// The surface pixels of the pen's dot at logical point p: placed at the scaled corner of
// its logical square and as wide as the pen on the surface, so that a line is equally
// thick wherever it lies, also where the factor is not whole.
RECT PenDot(HDC hDC, POINT p, int nWidth)
{
    const int h = (nWidth - 1) / 2;
    const POINT pt = AfxDcToSurface(hDC, p.x - h, p.y - h);
    const int nDevice = AfxPenDeviceWidth(hDC, nWidth);
    return RECT{pt.x, pt.y, pt.x + nDevice, pt.y + nDevice};
}

// A solid line along a row or a column, from a up to the one before b, filled as one
// rectangle: as long as its logical pixels scaled edge by edge, as thick as the pen. FALSE
// for any other line.
BOOL StraightSolidLine(HDC hDC, POINT a, POINT b, COLORREF cr)
{
    const LOGPEN& lp = hDC->hPen->lp;
    if ((a.x != b.x && a.y != b.y) || lp.lopnStyle == PS_DOT) {
        return FALSE;
    }
    if (a.x != b.x || a.y != b.y) {
        const POINT last{b.x - (b.x > a.x) + (b.x < a.x), b.y - (b.y > a.y) + (b.y < a.y)};
        const int w = lp.lopnWidth.x;
        const int h = (w - 1) / 2;
        RECT rc = AfxDcToSurface(hDC, RECT{std::min(a.x, last.x) - h, std::min(a.y, last.y) - h,
                                           std::max(a.x, last.x) - h + w, std::max(a.y, last.y) - h + w});
        const RECT rcDot = PenDot(hDC, a, w);
        if (a.y == b.y) {
            rc.top = rcDot.top;
            rc.bottom = rcDot.bottom;
        } else {
            rc.left = rcDot.left;
            rc.right = rcDot.right;
        }
        AfxDcFill(hDC, rc, cr);
    }
    return TRUE;
}

// Bresenham from logical a to b, b itself not drawn.
void PenLine(HDC hDC, POINT a, POINT b)
{
    const LOGPEN& lp = hDC->hPen->lp;
    if (lp.lopnStyle == PS_NULL || StraightSolidLine(hDC, a, b, lp.lopnColor)) {
        return;
    }
    const int dx = std::abs(b.x - a.x);
    const int dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1;
    const int sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    int x = a.x;
    int y = a.y;
    for (int nStep = 0; x != b.x || y != b.y; ++nStep) {
        if (PenDraws(lp.lopnStyle, nStep)) {
            AfxDcFill(hDC, PenDot(hDC, POINT{x, y}, lp.lopnWidth.x), lp.lopnColor);
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// Inverts every other surface pixel of row y from x1 up to x2.
void InvertDots(const AFX_RASTER& r, int y, int x1, int x2)
{
    for (int x = x1; x < x2; ++x) {
        if (((x + y) & 1) == 0) {
            AfxRasterInvertPixel(r, x, y);
        }
    }
}

// Surfaces of the same factor exchange their pixels one for one; between different
// factors the source block is stretched onto the destination's.
void CopyBlock(const AFX_RASTER& r, const RECT& rcDst, HDC hSrc, const RECT& rcSrcLogical, int nScale)
{
    const RECT rcSrc = AfxDcToSurface(hSrc, rcSrcLogical);
    const AFX_SURFACE& src = hSrc->raster.m_surface;
    if (hSrc->nScale == nScale) {
        AfxRasterCopy(r, rcDst.left, rcDst.top, rcDst.right - rcDst.left, rcDst.bottom - rcDst.top, src,
                      POINT{rcSrc.left, rcSrc.top});
    } else {
        AfxRasterStretch(r, rcDst, src, rcSrc);
    }
}

}  // namespace

CDC::~CDC()
{
    if (m_hDC != nullptr) {
        DeleteDC();
    }
}

CDC* CDC::FromHandle(HDC hDC)
{
    if (hDC == nullptr) {
        return nullptr;
    }
    if (hDC->pPermanent != nullptr) {
        return hDC->pPermanent;
    }
    if (hDC->pTemporary == nullptr) {
        hDC->pTemporary = new CDC;
        hDC->pTemporary->m_hDC = hDC;
        hDC->pTemporary->m_hAttribDC = hDC;
        hDC->pTemporary->m_bPrinting = hDC->bPrinting;
    }
    return hDC->pTemporary;
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr) {
        return FALSE;
    }
    m_hDC = hDC;
    m_hAttribDC = hDC;
    m_bPrinting = hDC->bPrinting;
    hDC->pPermanent = this;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != nullptr && hDC->pPermanent == this) {
        hDC->pPermanent = nullptr;
    }
    m_hDC = nullptr;
    m_hAttribDC = nullptr;
    return hDC;
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr) {
        return FALSE;
    }
    return ::DeleteDC(Detach());
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }

int CDC::GetBkMode() const { return m_hDC != nullptr ? m_hDC->nBkMode : 0; }

COLORREF CDC::SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }

COLORREF CDC::GetBkColor() const { return m_hDC != nullptr ? m_hDC->crBk : CLR_INVALID; }

COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }

COLORREF CDC::GetTextColor() const { return m_hDC != nullptr ? m_hDC->crText : CLR_INVALID; }

CPoint CDC::SetWindowOrg(int x, int y)
{
    if (m_hDC == nullptr) {
        return CPoint();
    }
    const CPoint ptOld = m_hDC->ptWindowOrg;
    m_hDC->ptWindowOrg = POINT{x, y};
    return ptOld;
}

CPoint CDC::SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }

CPoint CDC::GetWindowOrg() const { return m_hDC != nullptr ? CPoint(m_hDC->ptWindowOrg) : CPoint(); }

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    const CPoint pt = GetWindowOrg();
    return SetWindowOrg(pt.x + nWidth, pt.y + nHeight);
}

CPoint CDC::GetCurrentPosition() const { return m_hDC != nullptr ? CPoint(m_hDC->ptCurrent) : CPoint(); }

CFont* CDC::SelectObject(CFont* pFont)
{
    if (pFont == nullptr) {
        return nullptr;
    }
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, pFont->m_hObject)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    if (pBitmap == nullptr) {
        return nullptr;
    }
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, pBitmap->m_hObject)));
}

CPen* CDC::SelectObject(CPen* pPen)
{
    if (pPen == nullptr) {
        return nullptr;
    }
    return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, pPen->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    if (pBrush == nullptr) {
        return nullptr;
    }
    return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, pBrush->m_hObject)));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}

CFont* CDC::GetCurrentFont() const { return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT))); }

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CPen* CDC::GetCurrentPen() const { return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN))); }

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}

int CDC::GetClipBox(LPRECT lpRect) const
{
    if (m_hDC == nullptr || lpRect == nullptr) {
        return RGN_ERROR;
    }
    if (::IsRectEmpty(&m_hDC->rcClip)) {
        ::SetRectEmpty(lpRect);
        return NULLREGION;
    }
    *lpRect = AfxSurfaceToDc(m_hDC, m_hDC->rcClip);
    return SIMPLEREGION;
}

BOOL CDC::PtVisible(int x, int y) const
{
    return m_hDC != nullptr && ::PtInRect(&m_hDC->rcClip, AfxDcToSurface(m_hDC, x, y));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    if (m_hDC == nullptr || lpRect == nullptr) {
        return;
    }
    ::SetBkColor(m_hDC, clr);
    const RECT rc = Normalized(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    AfxDcFill(m_hDC, AfxDcToSurface(m_hDC, rc), clr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    const RECT rc = {x, y, x + cx, y + cy};
    FillSolidRect(&rc, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    if (m_hDC == nullptr) {
        return;
    }
    AfxDcFrame(m_hDC, Normalized(x, y, x + cx, y + cy), clrTopLeft, clrBottomRight);
    ::SetBkColor(m_hDC, clrBottomRight);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    if (m_hDC == nullptr || lpRect == nullptr || ::IsRectEmpty(lpRect)) {
        return;
    }
    // A frame as wide as a one-pixel pen on the surface, every other pixel of it inverted
    // exactly once.
    const RECT rc = AfxDcToSurface(m_hDC, *lpRect);
    const int w = AfxPenDeviceWidth(m_hDC, 1);
    RECT rcInside = {rc.left + w, rc.top + w, rc.right - w, rc.bottom - w};
    if (::IsRectEmpty(&rcInside)) {
        rcInside = RECT{0, 0, 0, 0};
    }
    const AFX_RASTER r = AfxDcRaster(m_hDC);
    for (int y = rc.top; y < rc.bottom; ++y) {
        if (y < rcInside.top || y >= rcInside.bottom) {
            InvertDots(r, y, rc.left, rc.right);
        } else {
            InvertDots(r, y, rc.left, rcInside.left);
            InvertDots(r, y, rcInside.right, rc.right);
        }
    }
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    if (m_hDC == nullptr) {
        return FALSE;
    }
    const RECT rcLogical = Normalized(x1, y1, x2, y2);
    const RECT rc = AfxDcToSurface(m_hDC, rcLogical);
    const LOGPEN& lp = m_hDC->hPen->lp;
    const int w = lp.lopnStyle == PS_NULL ? 0 : AfxPenDeviceWidth(m_hDC, lp.lopnWidth.x);
    const LOGBRUSH& lb = m_hDC->hBrush->lb;
    if (lb.lbStyle == BS_SOLID) {
        // Without a pen the filled area loses its right column and bottom row.
        const POINT ptLast = AfxDcToSurface(m_hDC, rcLogical.right - 1, rcLogical.bottom - 1);
        const RECT rcInside = w == 0 ? RECT{rc.left, rc.top, ptLast.x, ptLast.y}
                                     : RECT{rc.left + w, rc.top + w, rc.right - w, rc.bottom - w};
        AfxDcFill(m_hDC, rcInside, lb.lbColor);
    }
    if (w == 0 || rc.right <= rc.left || rc.bottom <= rc.top) {
        return TRUE;
    }
    if (lp.lopnStyle == PS_SOLID) {
        AfxDcFrame(m_hDC, rcLogical, lp.lopnColor, lp.lopnColor, w);
        return TRUE;
    }
    const RECT& rl = rcLogical;
    const POINT corners[5] = {
        {rl.left, rl.top}, {rl.right - 1, rl.top}, {rl.right - 1, rl.bottom - 1}, {rl.left, rl.bottom - 1}, {rl.left, rl.top}};
    for (int i = 0; i < 4; ++i) {
        PenLine(m_hDC, corners[i], corners[i + 1]);
    }
    return TRUE;
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

CPoint CDC::MoveTo(int x, int y)
{
    if (m_hDC == nullptr) {
        return CPoint();
    }
    const CPoint ptOld = m_hDC->ptCurrent;
    m_hDC->ptCurrent = POINT{x, y};
    return ptOld;
}

BOOL CDC::LineTo(int x, int y)
{
    if (m_hDC == nullptr) {
        return FALSE;
    }
    PenLine(m_hDC, m_hDC->ptCurrent, POINT{x, y});
    m_hDC->ptCurrent = POINT{x, y};
    return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    if (!PtVisible(x, y)) {
        return CLR_INVALID;
    }
    // The logical pixel's whole block of surface pixels.
    AfxDcFill(m_hDC, AfxDcToSurface(m_hDC, RECT{x, y, x + 1, y + 1}), crColor);
    return crColor & 0xFFFFFFu;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    if (!PtVisible(x, y) || m_hDC->raster.m_surface.pBits == nullptr) {
        return CLR_INVALID;
    }
    const POINT pt = AfxDcToSurface(m_hDC, x, y);
    const AFX_SURFACE& s = m_hDC->raster.m_surface;
    return AfxColorFromPixel(s.pBits[static_cast<ptrdiff_t>(pt.y) * s.nPitch + pt.x]);
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return AfxDrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText(str, str.GetLength(), lpRect, nFormat);
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    if (m_hDC == nullptr || lpszString == nullptr || nCount < 0) {
        return FALSE;
    }
    return AfxTextLine(m_hDC, x, y, std::string(lpszString, static_cast<size_t>(nCount)), -1, nullptr);
}

BOOL CDC::TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    return CSize(AfxTextExtent(m_hAttribDC != nullptr ? m_hAttribDC : m_hDC, lpszString, nCount));
}

CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const { return AfxTextMetrics(m_hDC, lpMetrics); }

int CDC::GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    if (m_hDC == nullptr || nWidth <= 0 || nHeight <= 0) {
        return FALSE;
    }
    const RECT rc = AfxDcToSurface(m_hDC, RECT{x, y, x + nWidth, y + nHeight});
    const AFX_RASTER r = AfxDcRaster(m_hDC);
    switch (dwRop) {
    case SRCCOPY:
        if (pSrcDC == nullptr || pSrcDC->m_hDC == nullptr) {
            return FALSE;
        }
        CopyBlock(r, rc, pSrcDC->m_hDC, RECT{xSrc, ySrc, xSrc + nWidth, ySrc + nHeight}, m_hDC->nScale);
        return TRUE;
    case PATCOPY:
        if (m_hDC->hBrush->lb.lbStyle == BS_SOLID) {
            AfxDcFill(m_hDC, rc, m_hDC->hBrush->lb.lbColor);
        }
        return TRUE;
    case BLACKNESS:
        AfxDcFill(m_hDC, rc, RGB(0, 0, 0));
        return TRUE;
    case WHITENESS:
        AfxDcFill(m_hDC, rc, RGB(255, 255, 255));
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

