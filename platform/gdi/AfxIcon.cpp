#include "platform/gdi/AfxIcon.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <utility>

#include "platform/core/AfxResource.h"
#include "platform/gdi/AfxDeviceContext.h"
#include "platform/gdi/AfxGdi.h"

namespace {

const UINT kSystemCursors[] = {AFX_CURSOR_ARROW, AFX_CURSOR_IBEAM, AFX_CURSOR_WAIT, AFX_CURSOR_CROSS,
                               AFX_CURSOR_SIZEALL, AFX_CURSOR_NO, AFX_CURSOR_HAND, AFX_CURSOR_APPSTARTING};
const size_t kCursorCount = sizeof(kSystemCursors) / sizeof(kSystemCursors[0]);

uint32_t ArgbFromColor(COLORREF cr)
{
    return 0xFF000000u | AfxPixelFromColor(cr);
}

AFX_ICON_IMAGE ImageFromRes(const AFX_ICON_RES& res, const AFX_ICON_RES_IMAGE& img)
{
    AFX_ICON_IMAGE image;
    if (img.cx <= 0 || img.cy <= 0 || img.ppszRows == nullptr) {
        return image;
    }
    image.cx = img.cx;
    image.cy = img.cy;
    image.bits.assign(static_cast<size_t>(img.cx) * static_cast<size_t>(img.cy), 0);
    const char* pszKeys = res.pszPaletteKeys != nullptr ? res.pszPaletteKeys : "";
    for (int y = 0; y < img.cy; ++y) {
        const char* pszRow = img.ppszRows[y];
        const size_t nLength = pszRow != nullptr ? std::strlen(pszRow) : 0;
        for (int x = 0; x < img.cx && static_cast<size_t>(x) < nLength; ++x) {
            const char* pKey = pszRow[x] != '\0' ? std::strchr(pszKeys, pszRow[x]) : nullptr;
            if (pKey != nullptr && res.pPaletteColors != nullptr) {
                image.bits[static_cast<size_t>(y) * img.cx + x] = ArgbFromColor(res.pPaletteColors[pKey - pszKeys]);
            }
        }
    }
    return image;
}

// Nearest-pixel scaling to cx x cy.
AFX_ICON_IMAGE Scaled(const AFX_ICON_IMAGE& src, int cx, int cy)
{
    if (src.cx == cx && src.cy == cy) {
        return src;
    }
    AFX_ICON_IMAGE image;
    image.cx = cx;
    image.cy = cy;
    image.bits.resize(static_cast<size_t>(cx) * static_cast<size_t>(cy));
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            image.bits[static_cast<size_t>(y) * cx + x] =
                src.bits[static_cast<size_t>(y * src.cy / cy) * src.cx + x * src.cx / cx];
        }
    }
    return image;
}

// Scaling down loses less than scaling up: the smallest image at least cx wide, else the
// largest.
bool IsBetterSource(const AFX_ICON_IMAGE& candidate, const AFX_ICON_IMAGE& best, int cx)
{
    if (candidate.cx >= cx)
        return best.cx < cx || candidate.cx < best.cx;
    return best.cx < cx && candidate.cx > best.cx;
}

// The image to draw at cx pixels: the icon's own of that size, else the nearest one.
const AFX_ICON_IMAGE* BestSource(HICON hIcon, int cx)
{
    if (hIcon == nullptr)
        return nullptr;
    std::vector<const AFX_ICON_IMAGE*> candidates = {&hIcon->imageSmall, &hIcon->imageLarge};
    for (const AFX_ICON_IMAGE& image : hIcon->images)
        candidates.push_back(&image);
    const AFX_ICON_IMAGE* pBest = nullptr;
    for (const AFX_ICON_IMAGE* pImage : candidates) {
        if (!pImage->bits.empty() && (pBest == nullptr || IsBetterSource(*pImage, *pBest, cx)))
            pBest = pImage;
    }
    return pBest;
}

// Every usable image of the resource, smallest first.
std::vector<AFX_ICON_IMAGE> AllImages(const AFX_ICON_RES& res)
{
    std::vector<AFX_ICON_IMAGE> images;
    for (int i = 0; res.pImages != nullptr && i < res.nImages; ++i) {
        AFX_ICON_IMAGE image = ImageFromRes(res, res.pImages[i]);
        if (!image.bits.empty())
            images.push_back(std::move(image));
    }
    std::stable_sort(images.begin(), images.end(),
                     [](const AFX_ICON_IMAGE& a, const AFX_ICON_IMAGE& b) { return a.cx * a.cy < b.cx * b.cy; });
    return images;
}

// The shared icon of IDI_APPLICATION: a small window.
HICON ApplicationIcon()
{
    static HICON__ s_icon = [] {
        HICON__ icon;
        icon.bShared = TRUE;
        AFX_ICON_IMAGE& img = icon.imageLarge;
        img.cx = 32;
        img.cy = 32;
        img.bits.assign(32 * 32, 0);
        for (int y = 3; y < 29; ++y) {
            for (int x = 2; x < 30; ++x) {
                const bool bFrame = x == 2 || x == 29 || y == 3 || y == 28;
                const COLORREF cr = bFrame ? RGB(0, 0, 0) : y < 9 ? RGB(0, 0, 128) : RGB(255, 255, 255);
                img.bits[static_cast<size_t>(y) * 32 + x] = ArgbFromColor(cr);
            }
        }
        icon.imageSmall = Scaled(img, 16, 16);
        return icon;
    }();
    return &s_icon;
}

}  // namespace

HICON AfxCreateIconFromResource(const AFX_ICON_RES& res)
{
    const AFX_ICON_RES_IMAGE* pLarge = nullptr;
    const AFX_ICON_RES_IMAGE* pSmall = nullptr;
    for (int i = 0; res.pImages != nullptr && i < res.nImages; ++i) {
        const AFX_ICON_RES_IMAGE& img = res.pImages[i];
        if (img.cx <= 0 || img.cy <= 0 || img.ppszRows == nullptr) {
            continue;
        }
        if (img.cx == 16 && img.cy == 16) {
            pSmall = &img;
        }
        if (pLarge == nullptr || (img.cx == 32 && img.cy == 32) ||
            (pLarge->cx != 32 && img.cx * img.cy > pLarge->cx * pLarge->cy)) {
            pLarge = &img;
        }
    }
    if (pLarge == nullptr) {
        return nullptr;
    }
    HICON hIcon = new HICON__;
    hIcon->imageLarge = Scaled(ImageFromRes(res, *pLarge), 32, 32);
    hIcon->imageSmall = pSmall != nullptr ? ImageFromRes(res, *pSmall) : Scaled(hIcon->imageLarge, 16, 16);
    hIcon->images = AllImages(res);
    hIcon->ptHotspot = res.ptHotspot;
    return hIcon;
}

AFX_ICON_IMAGE AfxGetIconImage(HICON hIcon, int cx)
{
    const AFX_ICON_IMAGE* pBest = cx > 0 ? BestSource(hIcon, cx) : nullptr;
    return pBest != nullptr ? Scaled(*pBest, cx, cx) : AFX_ICON_IMAGE();
}

HICON AfxLoadIcon(UINT nID)
{
    const void* pData = AfxFindResource(nID, RT_ICON_GROUP);
    return pData != nullptr ? AfxCreateIconFromResource(*static_cast<const AFX_ICON_RES*>(pData)) : nullptr;
}

HCURSOR AfxLoadSystemCursor(UINT nCursorId)
{
    static std::array<HICON__, kCursorCount> s_cursors = [] {
        std::array<HICON__, kCursorCount> cursors;
        for (size_t i = 0; i < kCursorCount; ++i) {
            cursors[i].nSystemCursor = kSystemCursors[i];
            cursors[i].bShared = TRUE;
        }
        return cursors;
    }();
    for (size_t i = 0; i < kCursorCount; ++i) {
        if (kSystemCursors[i] == nCursorId) {
            return &s_cursors[i];
        }
    }
    return nullptr;
}

namespace {

// Program icons loaded by id are shared, as resource icons are: loaded once, never freed,
// so that callers need not (and cannot) destroy them.
HICON SharedProgramIcon(UINT nID)
{
    static std::map<UINT, HICON>* s_pIcons = new std::map<UINT, HICON>;
    auto it = s_pIcons->find(nID);
    if (it != s_pIcons->end()) {
        return it->second;
    }
    HICON hIcon = AfxLoadIcon(nID);
    if (hIcon != nullptr) {
        hIcon->bShared = TRUE;
        (*s_pIcons)[nID] = hIcon;
    }
    return hIcon;
}

}  // namespace

HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName)
{
    if (!IS_INTRESOURCE(lpIconName)) {
        return nullptr;
    }
    const UINT nID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpIconName));
    if (hInstance == nullptr) {
        return lpIconName == IDI_APPLICATION ? ApplicationIcon() : nullptr;
    }
    return SharedProgramIcon(nID);
}

HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName)
{
    if (!IS_INTRESOURCE(lpCursorName)) {
        return nullptr;
    }
    const UINT nID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpCursorName));
    return hInstance == nullptr ? AfxLoadSystemCursor(nID) : AfxLoadIcon(nID);
}

HICON CopyIcon(HICON hIcon)
{
    if (hIcon == nullptr) {
        return nullptr;
    }
    HICON hCopy = new HICON__(*hIcon);
    hCopy->bShared = FALSE;
    return hCopy;
}

BOOL DestroyIcon(HICON hIcon)
{
    if (hIcon == nullptr) {
        return FALSE;
    }
    if (!hIcon->bShared) {
        delete hIcon;
    }
    return TRUE;
}

BOOL DestroyCursor(HCURSOR hCursor)
{
    return DestroyIcon(hCursor);
}

BOOL DrawIcon(HDC hDC, int x, int y, HICON hIcon)
{
    return DrawIconEx(hDC, x, y, hIcon, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0, nullptr, DI_NORMAL);
}

// The image comes from the icon's image nearest the size on the surface, so that a
// surface with a factor gets the larger images rather than the standard one enlarged.
BOOL DrawIconEx(HDC hDC, int x, int y, HICON hIcon, int cx, int cy, UINT, HBRUSH, UINT)
{
    if (hDC == nullptr || hIcon == nullptr) {
        return FALSE;
    }
    if (cx <= 0 || cy <= 0) {
        cx = hIcon->imageLarge.cx;
        cy = hIcon->imageLarge.cy;
    }
    const RECT rc = AfxDcToSurface(hDC, RECT{x, y, x + cx, y + cy});
    const AFX_ICON_IMAGE* pImage = BestSource(hIcon, std::max(rc.right - rc.left, rc.bottom - rc.top));
    if (pImage == nullptr) {
        return TRUE;
    }
    AfxRasterBlendImage(AfxDcRaster(hDC), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, pImage->bits.data(),
                        pImage->cx, pImage->cy);
    return TRUE;
}
