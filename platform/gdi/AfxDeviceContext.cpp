#include "platform/gdi/AfxDeviceContext.h"

#include <algorithm>

#include "platform/core/AfxAlloc.h"
#include "platform/gdi/AfxGdiObjects.h"
#include "platform/gdi/CDC.h"

namespace {

HDC NewDC()
{
    HDC hDC = AfxNewRecord<HDC__>();
    if (hDC == nullptr) {
        return nullptr;
    }
    hDC->hFont = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    hDC->hPen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    hDC->hBrush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    AfxGdiAddSelection(hDC->hFont);
    AfxGdiAddSelection(hDC->hPen);
    AfxGdiAddSelection(hDC->hBrush);
    return hDC;
}

// Makes a bitmap the whole target of a memory surface.
void Retarget(HDC hDC, HBITMAP hBitmap)
{
    AfxGetBitmapSurface(hBitmap, &hDC->raster.m_surface);
    hDC->ptOrigin = POINT{0, 0};
    hDC->rcClip = RECT{0, 0, hBitmap->cx, hBitmap->cy};
}

// Swaps the object in one selection slot, keeping the selection counts right. An old
// object that was only waiting to be let go is freed and not handed back.
template <typename H>
HGDIOBJ Swap(H& hSlot, HGDIOBJ hNew)
{
    H hOld = hSlot;
    hSlot = static_cast<H>(hNew);
    AfxGdiAddSelection(hNew);
    return AfxGdiReleaseSelection(hOld) ? nullptr : hOld;
}

}  // namespace

RECT AfxDcToSurface(HDC hDC, const RECT& rc)
{
    const POINT a = AfxDcToSurface(hDC, rc.left, rc.top);
    const POINT b = AfxDcToSurface(hDC, rc.right, rc.bottom);
    return RECT{a.x, a.y, b.x, b.y};
}

namespace {

// What turns a logical point into a point of the surface's logical grid: grid = logical -
// offset, before the factor.
POINT GridOffset(HDC hDC)
{
    return POINT{hDC->ptWindowOrg.x - hDC->ptOrigin.x,
                 hDC->ptWindowOrg.y - hDC->ptOrigin.y};
}

}  // namespace

RECT AfxSurfaceToDc(HDC hDC, const RECT& rc)
{
    const POINT ptOffset = GridOffset(hDC);
    RECT rcLogical = {AfxScaleToLogical(hDC->nScale, rc.left), AfxScaleToLogical(hDC->nScale, rc.top),
                      AfxScaleToLogicalCeil(hDC->nScale, rc.right), AfxScaleToLogicalCeil(hDC->nScale, rc.bottom)};
    while (!AfxScaleIsWhole(hDC->nScale, rcLogical.left)) {
        --rcLogical.left;
    }
    while (!AfxScaleIsWhole(hDC->nScale, rcLogical.top)) {
        --rcLogical.top;
    }
    ::OffsetRect(&rcLogical, ptOffset.x, ptOffset.y);
    return rcLogical;
}

int AfxPenDeviceWidth(HDC hDC, int nWidth)
{
    return std::max(1, AfxScaleToDevice(hDC->nScale, nWidth));
}

AFX_RASTER AfxDcRaster(HDC hDC)
{
    const AFX_SURFACE& s = hDC->raster.m_surface;
    return AFX_RASTER{s.pBits, s.nPitch, s.pBits != nullptr ? hDC->rcClip : RECT{0, 0, 0, 0}};
}

HDC AfxCreateSurfaceDC(const AFX_SURFACE& surface, POINT ptOrigin, const RECT& rcClip, int nScale)
{
    HDC hDC = NewDC();
    if (hDC == nullptr) {
        return nullptr;
    }
    hDC->raster.m_surface = surface;
    hDC->nScale = nScale;
    hDC->ptOrigin = ptOrigin;
    const RECT rcBounds = {0, 0, surface.pBits != nullptr ? surface.cx : 0, surface.pBits != nullptr ? surface.cy : 0};
    const RECT rcDevice = AfxScaleToDevice(nScale, rcClip);
    ::IntersectRect(&hDC->rcClip, &rcDevice, &rcBounds);
    return hDC;
}

HDC AfxCreatePrinterDC(AfxDevice* pDevice, int cx, int cy)
{
    HDC hDC = NewDC();
    if (hDC == nullptr) {
        return nullptr;
    }
    hDC->pDevice = pDevice;
    hDC->bPrinting = TRUE;
    hDC->raster.m_surface = AFX_SURFACE{nullptr, cx, cy, 0};
    hDC->rcClip = RECT{0, 0, cx, cy};
    return hDC;
}

void AfxDeleteSurfaceDC(HDC hDC)
{
    DeleteDC(hDC);
}

HDC CreateCompatibleDC(HDC hDC)
{
    HDC hMemDC = NewDC();
    if (hMemDC == nullptr) {
        return nullptr;
    }
    // Compatible with the screen when no surface is named.
    hMemDC->nScale = hDC != nullptr ? hDC->nScale : AfxGetScreenScale();
    hMemDC->bMemory = TRUE;
    hMemDC->hBitmap = AfxStockBitmap();
    AfxGdiAddSelection(hMemDC->hBitmap);
    Retarget(hMemDC, hMemDC->hBitmap);
    return hMemDC;
}

BOOL DeleteDC(HDC hDC)
{
    if (hDC == nullptr) {
        return FALSE;
    }
    AfxGdiReleaseSelection(hDC->hFont);
    AfxGdiReleaseSelection(hDC->hPen);
    AfxGdiReleaseSelection(hDC->hBrush);
    AfxGdiReleaseSelection(hDC->hBitmap);
    if (hDC->pPermanent != nullptr && hDC->pPermanent->m_hDC == hDC) {
        hDC->pPermanent->m_hDC = nullptr;
        hDC->pPermanent->m_hAttribDC = nullptr;
    }
    if (hDC->pTemporary != nullptr) {
        hDC->pTemporary->m_hDC = nullptr;
        hDC->pTemporary->m_hAttribDC = nullptr;
        delete hDC->pTemporary;
    }
    delete hDC;
    return TRUE;
}

HGDIOBJ SelectObject(HDC hDC, HGDIOBJ hObject)
{
    AFX_GDIHEADER* pHeader = AfxGdiHeader(hObject);
    if (hDC == nullptr || pHeader == nullptr || pHeader->bDeletePending) {
        return nullptr;
    }
    switch (pHeader->nType) {
    case OBJ_FONT:
        return Swap(hDC->hFont, hObject);
    case OBJ_PEN:
        return Swap(hDC->hPen, hObject);
    case OBJ_BRUSH:
        return Swap(hDC->hBrush, hObject);
    case OBJ_BITMAP:
        if (!hDC->bMemory) {
            return nullptr;
        }
        Retarget(hDC, static_cast<HBITMAP>(hObject));
        return Swap(hDC->hBitmap, hObject);
    default:
        return nullptr;
    }
}

HGDIOBJ GetCurrentObject(HDC hDC, UINT uObjectType)
{
    if (hDC == nullptr) {
        return nullptr;
    }
    switch (uObjectType) {
    case OBJ_FONT:
        return hDC->hFont;
    case OBJ_PEN:
        return hDC->hPen;
    case OBJ_BRUSH:
        return hDC->hBrush;
    case OBJ_BITMAP:
        return hDC->hBitmap;
    default:
        return nullptr;
    }
}

int SetBkMode(HDC hDC, int nMode)
{
    if (hDC == nullptr || (nMode != TRANSPARENT && nMode != OPAQUE)) {
        return 0;
    }
    const int nOld = hDC->nBkMode;
    hDC->nBkMode = nMode;
    return nOld;
}

COLORREF SetBkColor(HDC hDC, COLORREF cr)
{
    if (hDC == nullptr) {
        return CLR_INVALID;
    }
    const COLORREF crOld = hDC->crBk;
    hDC->crBk = cr & 0xFFFFFFu;
    return crOld;
}

COLORREF SetTextColor(HDC hDC, COLORREF cr)
{
    if (hDC == nullptr) {
        return CLR_INVALID;
    }
    const COLORREF crOld = hDC->crText;
    hDC->crText = cr & 0xFFFFFFu;
    return crOld;
}

int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr)
{
    if (hDC == nullptr || lprc == nullptr || hbr == nullptr) {
        return 0;
    }
    // A class background may be given as a system colour index plus one.
    const UINT_PTR nValue = reinterpret_cast<UINT_PTR>(hbr);
    if (nValue <= COLOR_INFOBK + 1) {
        hbr = GetSysColorBrush(static_cast<int>(nValue) - 1);
    }
    if (hbr != nullptr && hbr->lb.lbStyle == BS_SOLID) {
        AfxDcFill(hDC, AfxDcToSurface(hDC, *lprc), hbr->lb.lbColor);
    }
    return 1;
}

void AfxDcFrame(HDC hDC, const RECT& rc, COLORREF crTopLeft, COLORREF crBottomRight, int nDevice)
{
    const RECT r = AfxDcToSurface(hDC, rc);
    const int w = nDevice > 0 ? nDevice : AfxPenDeviceWidth(hDC, 1);
    if (r.right <= r.left || r.bottom <= r.top) {
        return;
    }
    AfxDcFill(hDC, RECT{r.left, r.top, r.right - w, r.top + w}, crTopLeft);
    AfxDcFill(hDC, RECT{r.left, r.top, r.left + w, r.bottom - w}, crTopLeft);
    AfxDcFill(hDC, RECT{r.right - w, r.top, r.right, r.bottom}, crBottomRight);
    AfxDcFill(hDC, RECT{r.left, r.bottom - w, r.right, r.bottom}, crBottomRight);
}

int GetDeviceCaps(HDC hDC, int nIndex)
{
    switch (nIndex) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case HORZRES:
        return hDC != nullptr ? AfxScaleToLogical(hDC->nScale, hDC->raster.m_surface.cx) : 0;
    case VERTRES:
        return hDC != nullptr ? AfxScaleToLogical(hDC->nScale, hDC->raster.m_surface.cy) : 0;
    default:
        return 0;
    }
}
