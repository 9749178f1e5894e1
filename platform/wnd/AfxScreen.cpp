// The screen as the window layer sees it: the factor and the work area.
#include <cctype>
#include <cstdio>

#include "platform/backend/AfxBackend.h"
#include "platform/core/AfxScale.h"
#include "platform/wnd/AfxWindow.h"
#include "platform/wnd/CWinApp.h"

namespace {

// Where the factor came from, for the message when it has to be lowered.
CString g_strScaleSource;

// The program's own variable for the screen's factor is named after it, as its other
// settings would be: BRELVIN_SCALE for brelvin.
CString ScaleVariable()
{
    CString strName;
    for (LPCTSTR p = AfxGetAppName(); *p != '\0'; ++p) {
        const unsigned char ch = static_cast<unsigned char>(*p);
        strName += std::isalnum(ch) ? static_cast<char>(std::toupper(ch)) : '_';
    }
    return strName.IsEmpty() ? strName : strName + "_SCALE";
}

// The screen's size in logical pixels changes with the factor.
void NoteScreenSize()
{
    SIZE screen = AfxBackendGetScreenSize();
    AfxSetSystemMetric(SM_CXSCREEN, screen.cx);
    AfxSetSystemMetric(SM_CYSCREEN, screen.cy);
}

// Device pixels that a client area may take: the work area less the frame.
SIZE DeviceRoom()
{
    RECT rcWork, rcFrame;
    AfxBackendGetWorkArea(&rcWork, &rcFrame);
    return SIZE{rcWork.right - rcWork.left - rcFrame.left - rcFrame.right,
                rcWork.bottom - rcWork.top - rcFrame.top - rcFrame.bottom};
}

}  // namespace

void AfxChooseScreenScale()
{
    const CString strVariable = ScaleVariable();
    CString strWarning;
    AfxSetScreenScale(AfxBackendChooseScale(strVariable.IsEmpty() ? nullptr : static_cast<LPCTSTR>(strVariable),
                                            strWarning, g_strScaleSource));
    if (!strWarning.IsEmpty())
        std::fprintf(stderr, "%s: %s\n", AfxGetAppName(), static_cast<LPCTSTR>(strWarning));
    NoteScreenSize();
}

void AfxFitScaleToWorkArea(int cx, int cy)
{
    const int nAsked = AfxGetScreenScale();
    const SIZE room = DeviceRoom();
    int nScale = nAsked;
    while (nScale > AFX_SCALE_ONE && (AfxScaleToDevice(nScale, cx) > room.cx || AfxScaleToDevice(nScale, cy) > room.cy))
        --nScale;
    if (nScale == nAsked)
        return;
    AfxSetScreenScale(nScale);
    NoteScreenSize();
    std::fprintf(stderr, "%s: at a factor of %s (from %s) the window does not fit the screen; using %s\n",
                 AfxGetAppName(), static_cast<LPCTSTR>(AfxScaleText(nAsked)), static_cast<LPCTSTR>(g_strScaleSource),
                 static_cast<LPCTSTR>(AfxScaleText(nScale)));
}

RECT AfxGetWorkArea()
{
    RECT rcWork, rcFrame;
    AfxBackendGetWorkArea(&rcWork, &rcFrame);
    const int nScale = AfxGetScreenScale();
    return RECT{AfxScaleToLogicalCeil(nScale, rcWork.left + rcFrame.left),
                AfxScaleToLogicalCeil(nScale, rcWork.top + rcFrame.top),
                AfxScaleToLogical(nScale, rcWork.right - rcFrame.right),
                AfxScaleToLogical(nScale, rcWork.bottom - rcFrame.bottom)};
}

void AfxKeepInWorkArea(RECT& rcWindow)
{
    const RECT rcWork = AfxGetWorkArea();
    const int dx = rcWindow.right > rcWork.right ? rcWork.right - rcWindow.right : 0;
    const int dy = rcWindow.bottom > rcWork.bottom ? rcWork.bottom - rcWindow.bottom : 0;
    OffsetRect(&rcWindow, dx, dy);
    OffsetRect(&rcWindow, rcWindow.left < rcWork.left ? rcWork.left - rcWindow.left : 0,
               rcWindow.top < rcWork.top ? rcWork.top - rcWindow.top : 0);
}
