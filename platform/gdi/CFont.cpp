#include "platform/gdi/CFont.h"

#include <cstring>

#include "platform/gdi/CDC.h"

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

CFont* CFont::FromHandle(HFONT hFont)
{
    return static_cast<CFont*>(CGdiObject::FromHandle(hFont));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    return Attach(::CreateFontIndirect(lpLogFont));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONT lf;
    std::memset(&lf, 0, sizeof(lf));
    const int nDpi = pDC != nullptr ? pDC->GetDeviceCaps(LOGPIXELSY) : 96;
    // Tenths of a point to pixels, rounded.
    lf.lfHeight = -((nPointSize * nDpi + 360) / 720);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    if (lpszFaceName != nullptr) {
        std::strncpy(lf.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    }
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    return GetObject(sizeof(LOGFONT), pLogFont);
}
