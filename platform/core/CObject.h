// Root of the framework's classes: run-time class, serialization hook, and allocation
// that fails with the framework's memory exception instead of returning null.
#pragma once

#include <cstddef>

#include "platform/core/CRuntimeClass.h"
#include "platform/core/WinDef.h"

class CArchive;

class CObject {
public:
    static CRuntimeClass* GetThisClass();
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

    static void* operator new(size_t nSize);
    static void operator delete(void* p) noexcept;

protected:
    CObject() = default;

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};
