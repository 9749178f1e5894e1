#include "platform/gdi/CBitmap.h"

#include "platform/gdi/AfxGdiObjects.h"
#include "platform/gdi/CDC.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap)
{
    return static_cast<CBitmap*>(CGdiObject::FromHandle(hBitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC != nullptr ? pDC->GetSafeHdc() : nullptr, nWidth, nHeight));
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const
{
    return GetObject(sizeof(BITMAP), pBitMap);
}

uint32_t* CBitmap::GetBits() const
{
    AFX_SURFACE surface;
    if (!AfxGetBitmapSurface(static_cast<HBITMAP>(m_hObject), &surface)) {
        return nullptr;
    }
    return surface.pBits;
}
