// A drawing surface for the length of one paint. Drawing lands in a bitmap as large as
// the target's clip box, in the target's own coordinates, and reaches the target in one
// block copy when the object goes away, so the screen never shows a half-drawn picture.
// A printer target is drawn on directly.
#pragma once

#include "platform/core/CRect.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"

class CMemDC : public CDC {
public:
    // pDC must outlive this object.
    explicit CMemDC(CDC* pDC);
    ~CMemDC() override;

    CBitmap m_bitmap;         // the off-screen picture; empty when drawing passes through
    CBitmap* m_pOldBitmap;    // what the memory surface held before m_bitmap
    CDC* m_pDC;               // the target
    CRect m_rect;             // the target's clip box: what the bitmap mirrors
    BOOL m_bMemDC;            // FALSE for a printer target
};
