// Base of the framework's wrappers around graphics objects (fonts, bitmaps, pens, brushes).
#pragma once

#include "platform/core/CObject.h"
#include "platform/gdi/AfxGdi.h"

class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;  // deletes the object it holds

    HGDIOBJ m_hObject = nullptr;

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    // The object attached to hObject, or a wrapper that the platform keeps until the
    // graphics object itself is deleted (stock objects: for the whole program).
    // Null for a null handle. Never delete what it returns.
    static CGdiObject* FromHandle(HGDIOBJ hObject);

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    // Frees the object (stock objects are never freed) and empties the wrapper.
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const;
};
