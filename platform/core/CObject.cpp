#include "platform/core/CObject.h"

#include <cstdlib>
#include <cstring>

#include "platform/core/AfxAlloc.h"
#include "platform/core/CMemoryException.h"

namespace {

CRuntimeClass*& ClassListHead()
{
    static CRuntimeClass* s_pFirstClass = nullptr;
    return s_pFirstClass;
}

}  // namespace

CRuntimeClass* CObject::GetThisClass()
{
    static CRuntimeClass s_class = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr, nullptr, nullptr};
    return &s_class;
}

CRuntimeClass* CObject::GetRuntimeClass() const { return GetThisClass(); }

void CObject::Serialize(CArchive&) {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }

void* CObject::operator new(size_t nSize)
{
    void* p = AfxAllocAllowed(nSize, TRUE) ? std::malloc(nSize != 0 ? nSize : 1) : nullptr;
    if (p == nullptr) {
        AfxThrowMemoryException();
    }
    return p;
}

void CObject::operator delete(void* p) noexcept { std::free(p); }

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    pNewClass->m_pNextClass = ClassListHead();
    ClassListHead() = pNewClass;
}

CObject* CRuntimeClass::CreateObject()
{
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass) {
        if (p == pBaseClass) {
            return TRUE;
        }
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    for (CRuntimeClass* p = ClassListHead(); p != nullptr; p = p->m_pNextClass) {
        if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0) {
            return p;
        }
    }
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass != nullptr ? pClass->CreateObject() : nullptr;
}
