#pragma once

#include "platform/core/WinDef.h"

class CPoint : public POINT {
public:
    CPoint() { x = 0; y = 0; }
    CPoint(int initX, int initY) { x = initX; y = initY; }
    CPoint(POINT pt) { x = pt.x; y = pt.y; }

    void Offset(int dx, int dy) { x += dx; y += dy; }
    BOOL operator==(POINT pt) const { return x == pt.x && y == pt.y; }
    BOOL operator!=(POINT pt) const { return !(*this == pt); }
};
