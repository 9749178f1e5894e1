#include "platform/gdi/AfxGdiObjects.h"

#include <array>
#include <cstring>
#include <memory>
#include <new>

#include "platform/core/AfxAlloc.h"
#include "platform/gdi/AfxDeviceContext.h"
#include "platform/gdi/AfxFontEngine.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

namespace {

const int kMaxBitmapPixels = 1 << 26;  // 64 Mpixel, 256 MiB

LOGFONT MakeLogFont(LONG nHeight, LONG nWeight, BYTE nPitchAndFamily, LPCTSTR pszFace)
{
    LOGFONT lf;
    std::memset(&lf, 0, sizeof(lf));
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfPitchAndFamily = nPitchAndFamily;
    std::strncpy(lf.lfFaceName, pszFace, LF_FACESIZE - 1);
    return lf;
}

HFONT NewFont(const LOGFONT& lf)
{
    HFONT hFont = AfxNewRecord<HFONT__>();
    if (hFont == nullptr) {
        return nullptr;
    }
    hFont->hdr.nType = OBJ_FONT;
    hFont->lf = lf;
    hFont->lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    return hFont;
}

HBRUSH NewBrush(UINT nStyle, COLORREF cr)
{
    HBRUSH hBrush = AfxNewRecord<HBRUSH__>();
    if (hBrush == nullptr) {
        return nullptr;
    }
    hBrush->hdr.nType = OBJ_BRUSH;
    hBrush->lb.lbStyle = nStyle;
    hBrush->lb.lbColor = cr;
    return hBrush;
}

HPEN NewPen(UINT nStyle, int nWidth, COLORREF cr)
{
    HPEN hPen = AfxNewRecord<HPEN__>();
    if (hPen == nullptr) {
        return nullptr;
    }
    hPen->hdr.nType = OBJ_PEN;
    hPen->lp.lopnStyle = nStyle;
    hPen->lp.lopnWidth = POINT{nWidth, 0};
    hPen->lp.lopnColor = cr;
    return hPen;
}

// The shared objects, made on first use and kept for the whole program.
struct StockObjects {
    std::array<AFX_GDIHEADER*, DEFAULT_GUI_FONT + 1> objects{};
    HBITMAP hBitmap = nullptr;

    StockObjects();
    ~StockObjects();
    void Put(int nIndex, HGDIOBJ hObject);
};

StockObjects::StockObjects()
{
    Put(WHITE_BRUSH, NewBrush(BS_SOLID, RGB(255, 255, 255)));
    Put(LTGRAY_BRUSH, NewBrush(BS_SOLID, RGB(192, 192, 192)));
    Put(GRAY_BRUSH, NewBrush(BS_SOLID, RGB(128, 128, 128)));
    Put(DKGRAY_BRUSH, NewBrush(BS_SOLID, RGB(64, 64, 64)));
    Put(BLACK_BRUSH, NewBrush(BS_SOLID, RGB(0, 0, 0)));
    Put(NULL_BRUSH, NewBrush(BS_NULL, 0));
    Put(WHITE_PEN, NewPen(PS_SOLID, 1, RGB(255, 255, 255)));
    Put(BLACK_PEN, NewPen(PS_SOLID, 1, RGB(0, 0, 0)));
    Put(NULL_PEN, NewPen(PS_NULL, 1, 0));
    const BYTE nFixed = FIXED_PITCH | FF_MODERN;
    const BYTE nSwiss = VARIABLE_PITCH | FF_SWISS;
    Put(OEM_FIXED_FONT, NewFont(MakeLogFont(12, FW_NORMAL, nFixed, "Terminal")));
    Put(ANSI_FIXED_FONT, NewFont(MakeLogFont(13, FW_NORMAL, nFixed, "Courier")));
    Put(ANSI_VAR_FONT, NewFont(MakeLogFont(13, FW_NORMAL, nSwiss, "MS Sans Serif")));
    Put(SYSTEM_FONT, NewFont(MakeLogFont(16, FW_BOLD, nSwiss, "System")));
    Put(DEVICE_DEFAULT_FONT, NewFont(MakeLogFont(16, FW_BOLD, nSwiss, "System")));
    Put(SYSTEM_FIXED_FONT, NewFont(MakeLogFont(15, FW_NORMAL, nFixed, "Fixedsys")));
    Put(DEFAULT_GUI_FONT, NewFont(MakeLogFont(-11, FW_NORMAL, nSwiss, "MS Sans Serif")));
    hBitmap = new HBITMAP__{};
    hBitmap->hdr.nType = OBJ_BITMAP;
    hBitmap->hdr.bStock = TRUE;
    hBitmap->cx = 1;
    hBitmap->cy = 1;
    hBitmap->bits.reset(new uint32_t[1]());
}

void FreeObject(AFX_GDIHEADER* pHeader);

// The pixels of the last large bitmap freed wait for the next bitmap: every paint makes and
// frees an off-screen bitmap of the same size, and memory that goes back to the system to
// be taken again costs a page fault for every page of it.
struct SparePixels {
    std::unique_ptr<uint32_t[]> bits;
    size_t nCapacity = 0;
};

const size_t kSpareMinPixels = 64 * 1024;

SparePixels& Spare()
{
    static SparePixels s_spare;
    return s_spare;
}

// A block for nPixels, the spare one when it is not much larger; null when memory (or the
// allocation hook) refuses.
std::unique_ptr<uint32_t[]> NewPixels(size_t nPixels, size_t& nCapacity)
{
    if (!AfxAllocAllowed(nPixels * sizeof(uint32_t), FALSE)) {
        return nullptr;
    }
    SparePixels& spare = Spare();
    if (spare.bits && spare.nCapacity >= nPixels && spare.nCapacity / 2 <= nPixels) {
        nCapacity = spare.nCapacity;
        spare.nCapacity = 0;
        return std::move(spare.bits);
    }
    nCapacity = nPixels;
    return std::unique_ptr<uint32_t[]>(new (std::nothrow) uint32_t[nPixels]);
}

void KeepPixels(HBITMAP hBitmap)
{
    if (hBitmap->bits && hBitmap->nCapacity >= kSpareMinPixels) {
        Spare().nCapacity = hBitmap->nCapacity;
        Spare().bits = std::move(hBitmap->bits);
    }
}

StockObjects::~StockObjects()
{
    for (AFX_GDIHEADER* p : objects) {
        if (p != nullptr) {
            FreeObject(p);
        }
    }
    FreeObject(&hBitmap->hdr);
}

void StockObjects::Put(int nIndex, HGDIOBJ hObject)
{
    AFX_GDIHEADER* pHeader = AfxGdiHeader(hObject);
    if (pHeader == nullptr) {
        return;
    }
    pHeader->bStock = TRUE;
    objects[static_cast<size_t>(nIndex)] = pHeader;
}

StockObjects& Stock()
{
    static StockObjects s_stock;
    return s_stock;
}

// Forgets the wrappers, then frees the object by its type.
void FreeObject(AFX_GDIHEADER* pHeader)
{
    if (pHeader->pPermanent != nullptr) {
        pHeader->pPermanent->m_hObject = nullptr;
    }
    if (pHeader->pTemporary != nullptr) {
        pHeader->pTemporary->m_hObject = nullptr;
        delete pHeader->pTemporary;
    }
    void* p = pHeader;
    switch (pHeader->nType) {
    case OBJ_FONT:
        delete static_cast<HFONT>(p);
        break;
    case OBJ_PEN:
        delete static_cast<HPEN>(p);
        break;
    case OBJ_BRUSH:
        delete static_cast<HBRUSH>(p);
        break;
    case OBJ_BITMAP:
        KeepPixels(static_cast<HBITMAP>(p));
        delete static_cast<HBITMAP>(p);
        break;
    default:
        break;
    }
}

int CopyOut(const void* pSrc, int nSize, int nCount, LPVOID lpObject)
{
    if (lpObject == nullptr) {
        return nSize;
    }
    const int n = nCount < nSize ? nCount : nSize;
    if (n <= 0) {
        return 0;
    }
    std::memcpy(lpObject, pSrc, static_cast<size_t>(n));
    return n;
}

}  // namespace

AFX_GDIHEADER* AfxGdiHeader(HGDIOBJ hObject)
{
    return static_cast<AFX_GDIHEADER*>(hObject);
}

void AfxGdiAddSelection(HGDIOBJ hObject)
{
    if (hObject != nullptr) {
        ++AfxGdiHeader(hObject)->nSelected;
    }
}

BOOL AfxGdiReleaseSelection(HGDIOBJ hObject)
{
    AFX_GDIHEADER* pHeader = AfxGdiHeader(hObject);
    if (pHeader == nullptr) {
        return FALSE;
    }
    --pHeader->nSelected;
    if (pHeader->nSelected == 0 && pHeader->bDeletePending) {
        FreeObject(pHeader);
        return TRUE;
    }
    return FALSE;
}

AfxFontFace* AfxFontFaceOf(HFONT hFont)
{
    if (hFont == nullptr) {
        return nullptr;
    }
    if (!hFont->bResolved) {
        hFont->pFace = AfxFontEngine::Instance().FindFace(hFont->lf);
        hFont->bResolved = TRUE;
    }
    return hFont->pFace;
}

AfxFontFace* AfxFontFaceOf(HFONT hFont, int nScale)
{
    if (hFont == nullptr || nScale == AFX_SCALE_ONE) {
        return AfxFontFaceOf(hFont);
    }
    if (hFont->nScaledFace != nScale) {
        hFont->pScaledFace = AfxFontEngine::Instance().FindFace(hFont->lf, nScale);
        hFont->nScaledFace = nScale;
    }
    return hFont->pScaledFace;
}

HBITMAP AfxStockBitmap()
{
    return Stock().hBitmap;
}

HGDIOBJ GetStockObject(int nIndex)
{
    if (nIndex < 0 || nIndex > DEFAULT_GUI_FONT) {
        return nullptr;
    }
    return Stock().objects[static_cast<size_t>(nIndex)];
}

int GetObject(HGDIOBJ hObject, int nCount, LPVOID lpObject)
{
    AFX_GDIHEADER* pHeader = AfxGdiHeader(hObject);
    if (pHeader == nullptr) {
        return 0;
    }
    void* p = pHeader;
    switch (pHeader->nType) {
    case OBJ_FONT:
        return CopyOut(&static_cast<HFONT>(p)->lf, sizeof(LOGFONT), nCount, lpObject);
    case OBJ_PEN:
        return CopyOut(&static_cast<HPEN>(p)->lp, sizeof(LOGPEN), nCount, lpObject);
    case OBJ_BRUSH:
        return CopyOut(&static_cast<HBRUSH>(p)->lb, sizeof(LOGBRUSH), nCount, lpObject);
    case OBJ_BITMAP: {
        HBITMAP hBitmap = static_cast<HBITMAP>(p);
        BITMAP bm = {0, hBitmap->cx, hBitmap->cy, hBitmap->cx * 4, 1, 32,
                     hBitmap->bits.get()};
        return CopyOut(&bm, sizeof(BITMAP), nCount, lpObject);
    }
    default:
        return 0;
    }
}

BOOL DeleteObject(HGDIOBJ hObject)
{
    AFX_GDIHEADER* pHeader = AfxGdiHeader(hObject);
    if (pHeader == nullptr || pHeader->bDeletePending) {
        return FALSE;
    }
    if (pHeader->bStock) {
        return TRUE;
    }
    if (pHeader->nSelected > 0) {
        pHeader->bDeletePending = TRUE;
        if (pHeader->pPermanent != nullptr) {
            pHeader->pPermanent->m_hObject = nullptr;
            pHeader->pPermanent = nullptr;
        }
        return TRUE;
    }
    FreeObject(pHeader);
    return TRUE;
}

HFONT CreateFontIndirect(const LOGFONT* lplf)
{
    return lplf != nullptr ? NewFont(*lplf) : nullptr;
}

HBRUSH CreateSolidBrush(COLORREF cr)
{
    return NewBrush(BS_SOLID, cr & 0xFFFFFFu);
}

HPEN CreatePen(int nPenStyle, int nWidth, COLORREF cr)
{
    if (nPenStyle != PS_SOLID && nPenStyle != PS_DOT && nPenStyle != PS_NULL) {
        return nullptr;
    }
    return NewPen(static_cast<UINT>(nPenStyle), nWidth < 1 ? 1 : nWidth, cr & 0xFFFFFFu);
}

HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits)
{
    if (nWidth < 0 || nHeight < 0 || nPlanes != 1 || nBitCount != 32 ||
        (nHeight > 0 && nWidth > kMaxBitmapPixels / nHeight)) {
        return nullptr;
    }
    std::unique_ptr<HBITMAP__> p(AfxNewRecord<HBITMAP__>());
    if (!p) {
        return nullptr;
    }
    p->hdr.nType = OBJ_BITMAP;
    p->cx = nWidth;
    p->cy = nHeight;
    const size_t nBytes = static_cast<size_t>(nWidth) * static_cast<size_t>(nHeight) * sizeof(uint32_t);
    if (nBytes > 0) {
        p->bits = NewPixels(nBytes / sizeof(uint32_t), p->nCapacity);
        if (!p->bits) {
            return nullptr;
        }
        // New pixels are black, written as one block.
        if (lpBits != nullptr) {
            std::memcpy(p->bits.get(), lpBits, nBytes);
        } else {
            std::memset(p->bits.get(), 0, nBytes);
        }
    }
    return p.release();
}

// As many pixels as the surface has for cx by cy logical ones.
HBITMAP CreateCompatibleBitmap(HDC hDC, int cx, int cy)
{
    const int nScale = hDC != nullptr ? hDC->nScale : AfxGetScreenScale();
    return CreateBitmap(AfxScaleToDevice(nScale, cx), AfxScaleToDevice(nScale, cy), 1, 32, nullptr);
}

BOOL AfxGetBitmapSurface(HBITMAP hBitmap, AFX_SURFACE* pSurface)
{
    if (hBitmap == nullptr || pSurface == nullptr) {
        return FALSE;
    }
    pSurface->pBits = hBitmap->bits.get();
    pSurface->cx = hBitmap->cx;
    pSurface->cy = hBitmap->cy;
    pSurface->nPitch = hBitmap->cx;
    return TRUE;
}
