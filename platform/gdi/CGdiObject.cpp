#include "platform/gdi/CGdiObject.h"

#include "platform/gdi/AfxGdiObjects.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

namespace {

CGdiObject* NewWrapper(DWORD nType)
{
    switch (nType) {
    case OBJ_FONT:
        return new CFont;
    case OBJ_BITMAP:
        return new CBitmap;
    case OBJ_PEN:
        return new CPen;
    case OBJ_BRUSH:
        return new CBrush;
    default:
        return new CGdiObject;
    }
}

}  // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    AFX_GDIHEADER* pHeader = AfxGdiHeader(hObject);
    if (pHeader == nullptr) {
        return nullptr;
    }
    if (pHeader->pPermanent != nullptr) {
        return pHeader->pPermanent;
    }
    if (pHeader->pTemporary == nullptr) {
        pHeader->pTemporary = NewWrapper(pHeader->nType);
        pHeader->pTemporary->m_hObject = hObject;
    }
    return pHeader->pTemporary;
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    AFX_GDIHEADER* pHeader = AfxGdiHeader(hObject);
    if (pHeader == nullptr) {
        return FALSE;
    }
    if (m_hObject != nullptr) {
        DeleteObject();
    }
    m_hObject = hObject;
    pHeader->pPermanent = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    AFX_GDIHEADER* pHeader = AfxGdiHeader(hObject);
    if (pHeader != nullptr && pHeader->pPermanent == this) {
        pHeader->pPermanent = nullptr;
    }
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr) {
        return FALSE;
    }
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObject(m_hObject, nCount, lpObject);
}

