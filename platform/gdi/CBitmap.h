// A bitmap of 32-bit pixels 0x00RRGGBB, top row first, pitch = width.
#pragma once

#include <cstdint>

#include "platform/gdi/CGdiObject.h"

class CDC;

class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    CBitmap() = default;

    static CBitmap* FromHandle(HBITMAP hBitmap);
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    // Pixels start out black; callers fill what they use.
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap) const;

    // Direct pixel access for tests and the render tool; null when empty.
    uint32_t* GetBits() const;
};
