// System colours of the classic standard scheme, their shared brushes, and the system
// metrics that drawing and windows ask for.
#include <array>

#include "platform/gdi/AfxGdi.h"
#include "platform/gdi/AfxGdiObjects.h"

namespace {

const COLORREF kSysColors[COLOR_INFOBK + 1] = {
    RGB(192, 192, 192),  // COLOR_SCROLLBAR
    RGB(0, 128, 128),    // COLOR_BACKGROUND
    RGB(0, 0, 128),      // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(192, 192, 192),  // COLOR_ACTIVEBORDER
    RGB(192, 192, 192),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(0, 0, 128),      // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(192, 192, 192),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(0, 0, 0),        // COLOR_3DDKSHADOW
    RGB(223, 223, 223),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
};

struct SysBrushes {
    std::array<HBRUSH, COLOR_INFOBK + 1> brushes{};

    SysBrushes()
    {
        for (size_t i = 0; i < brushes.size(); ++i) {
            brushes[i] = CreateSolidBrush(kSysColors[i]);
            brushes[i]->hdr.bStock = TRUE;
        }
    }
    ~SysBrushes()
    {
        for (HBRUSH& h : brushes) {
            h->hdr.bStock = FALSE;
            DeleteObject(h);
        }
    }
};

std::array<int, AFX_SM_COUNT>& Metrics()
{
    static std::array<int, AFX_SM_COUNT> s_metrics = [] {
        std::array<int, AFX_SM_COUNT> m{};
        m[SM_CXSCREEN] = 1024;
        m[SM_CYSCREEN] = 768;
        m[SM_CXVSCROLL] = 16;
        m[SM_CYHSCROLL] = 16;
        m[SM_CYCAPTION] = 19;
        m[SM_CXBORDER] = 1;
        m[SM_CYBORDER] = 1;
        m[SM_CXDLGFRAME] = 3;
        m[SM_CYDLGFRAME] = 3;
        m[SM_CXICON] = 32;
        m[SM_CYICON] = 32;
        m[SM_CXCURSOR] = 32;
        m[SM_CYCURSOR] = 32;
        m[SM_CYMENU] = 19;
        m[SM_CXFRAME] = 4;
        m[SM_CYFRAME] = 4;
        m[SM_CXDOUBLECLK] = 4;
        m[SM_CYDOUBLECLK] = 4;
        m[SM_CXEDGE] = 2;
        m[SM_CYEDGE] = 2;
        m[SM_CXSMICON] = 16;
        m[SM_CYSMICON] = 16;
        m[SM_CXDRAG] = 4;
        m[SM_CYDRAG] = 4;
        return m;
    }();
    return s_metrics;
}

}  // namespace

COLORREF GetSysColor(int nIndex)
{
    return nIndex >= 0 && nIndex <= COLOR_INFOBK ? kSysColors[nIndex] : 0;
}

HBRUSH GetSysColorBrush(int nIndex)
{
    static SysBrushes s_brushes;
    return nIndex >= 0 && nIndex <= COLOR_INFOBK ? s_brushes.brushes[static_cast<size_t>(nIndex)] : nullptr;
}

int GetSystemMetrics(int nIndex)
{
    return nIndex >= 0 && nIndex < AFX_SM_COUNT ? Metrics()[static_cast<size_t>(nIndex)] : 0;
}

void AfxSetSystemMetric(int nIndex, int nValue)
{
    if (nIndex >= 0 && nIndex < AFX_SM_COUNT) {
        Metrics()[static_cast<size_t>(nIndex)] = nValue;
    }
}
