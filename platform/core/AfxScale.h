// Logical pixels, the classic ones that everything above the drawing surface works in,
// and device pixels, the screen's own. One factor lies between them, from 1 to 4 in steps
// of a quarter, kept as a whole number of quarters: AFX_SCALE_ONE is a factor of 1.
#pragma once

#include <climits>

#include "platform/core/CString.h"
#include "platform/core/WinDef.h"

#define AFX_SCALE_ONE 4
#define AFX_SCALE_MAX 16

// The screen's factor: chosen when the display opens, AFX_SCALE_ONE until then.
int AfxGetScreenScale();
void AfxSetScreenScale(int nScale);  // held to AFX_SCALE_ONE..AFX_SCALE_MAX

// The device pixel of a logical coordinate: v times the factor, a half rounded up. Each
// edge of a rectangle is mapped on its own, so that rectangles that touch keep touching.
// Inline: every pixel that is drawn goes through it.
inline int AfxScaleToDevice(int nScale, long long v)
{
    const long long n = v * nScale + AFX_SCALE_ONE / 2;
    const long long d = n >= 0 ? n / AFX_SCALE_ONE : -((-n + AFX_SCALE_ONE - 1) / AFX_SCALE_ONE);
    return d < INT_MIN ? INT_MIN : d > INT_MAX ? INT_MAX : static_cast<int>(d);
}
RECT AfxScaleToDevice(int nScale, const RECT& rc);
// The logical pixel that holds device pixel d.
int AfxScaleToLogical(int nScale, int d);
// The first logical coordinate that lands on device pixel d or after it.
int AfxScaleToLogicalCeil(int nScale, int d);
// Whether logical coordinate v lands exactly on a device pixel, not between two.
BOOL AfxScaleIsWhole(int nScale, long long v);

// "1", "1.5", "2.25", "02.50": digits with an optional point and digits, a factor from 1
// to 4 in steps of 0.25. FALSE for anything else.
BOOL AfxParseScale(LPCTSTR lpsz, int* pnScale);

// What the factor may come from, in this order; null where a source has nothing.
struct AFX_SCALE_SOURCES {
    LPCTSTR lpszOwnName;   // the program's own variable, BRELVIN_SCALE for brelvin
    LPCTSTR lpszOwn;       // its value: a factor as AfxParseScale reads it
    LPCTSTR lpszGdkScale;  // GDK_SCALE, the desktop's variable: a whole number
    LPCTSTR lpszXftDpi;    // the X resource Xft.dpi: 96 is a factor of 1
};
// The first source that gives a factor decides; without one the factor is 1. The
// program's own variable, set to anything but a factor, is passed over with a one-line
// reason in strWarning (empty otherwise). GDK_SCALE, once set, decides as it does for GTK
// programs. Xft.dpi goes to the nearest quarter, never below 1; every source is held to 4
// at most. *pstrSource, when given, gets the name of the source that decided (empty: none).
int AfxChooseScale(const AFX_SCALE_SOURCES& sources, CString& strWarning, CString* pstrSource = nullptr);
// A factor as text: "1", "1.25", "2.5".
CString AfxScaleText(int nScale);
