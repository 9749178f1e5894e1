// Basic types, constants and handle declarations shared by the whole framework.
#pragma once

#include <cstddef>
#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef int32_t LONG;
typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;
typedef uint32_t ULONG;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef DWORD COLORREF;

typedef char TCHAR;
typedef const char* LPCTSTR;
typedef char* LPTSTR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef void* LPVOID;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

#define MAX_PATH 260

#define RGB(r, g, b) \
    ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))

#define LOWORD(l) ((WORD)(((DWORD_PTR_T)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR_T)(l)) >> 16) & 0xffff))
#define MAKELONG(a, b) ((LONG)(((WORD)(((DWORD_PTR_T)(a)) & 0xffff)) | \
                               ((DWORD)((WORD)(((DWORD_PTR_T)(b)) & 0xffff))) << 16))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))
typedef uintptr_t DWORD_PTR_T;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;

struct POINT {
    LONG x;
    LONG y;
};
typedef POINT* LPPOINT;

struct SIZE {
    LONG cx;
    LONG cy;
};
typedef SIZE* LPSIZE;

// Opaque handles: each points at an object that the platform owns.
#define AFX_DECLARE_HANDLE(name) \
    struct name##__;             \
    typedef name##__* name
AFX_DECLARE_HANDLE(HWND);
AFX_DECLARE_HANDLE(HDC);
AFX_DECLARE_HANDLE(HFONT);
AFX_DECLARE_HANDLE(HBITMAP);
AFX_DECLARE_HANDLE(HBRUSH);
AFX_DECLARE_HANDLE(HPEN);
AFX_DECLARE_HANDLE(HICON);
AFX_DECLARE_HANDLE(HMENU);
AFX_DECLARE_HANDLE(HINSTANCE);
AFX_DECLARE_HANDLE(HKEY);
typedef HICON HCURSOR;
typedef void* HGDIOBJ;
typedef void* HANDLE;
typedef HINSTANCE HMODULE;

// A position in a CObList.
struct __POSITION {};
typedef __POSITION* POSITION;

// Half-open rectangle test: left and top inside, right and bottom outside.
inline BOOL PtInRect(const RECT* lprc, POINT pt)
{
    return pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom;
}

inline BOOL IsRectEmpty(const RECT* lprc)
{
    return lprc->right <= lprc->left || lprc->bottom <= lprc->top;
}

inline BOOL SetRect(LPRECT lprc, int l, int t, int r, int b)
{
    lprc->left = l;
    lprc->top = t;
    lprc->right = r;
    lprc->bottom = b;
    return TRUE;
}

inline BOOL SetRectEmpty(LPRECT lprc) { return SetRect(lprc, 0, 0, 0, 0); }

inline BOOL OffsetRect(LPRECT lprc, int dx, int dy)
{
    lprc->left += dx;
    lprc->right += dx;
    lprc->top += dy;
    lprc->bottom += dy;
    return TRUE;
}

inline BOOL InflateRect(LPRECT lprc, int dx, int dy)
{
    lprc->left -= dx;
    lprc->right += dx;
    lprc->top -= dy;
    lprc->bottom += dy;
    return TRUE;
}

inline BOOL EqualRect(const RECT* a, const RECT* b)
{
    return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

// Intersection of two rectangles; empty rectangles give (0, 0, 0, 0) and FALSE.
inline BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b)
{
    RECT r = {a->left > b->left ? a->left : b->left, a->top > b->top ? a->top : b->top,
              a->right < b->right ? a->right : b->right, a->bottom < b->bottom ? a->bottom : b->bottom};
    if (IsRectEmpty(&r)) {
        SetRectEmpty(dst);
        return FALSE;
    }
    *dst = r;
    return TRUE;
}

// Smallest rectangle around both; an empty one does not count.
inline BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b)
{
    if (IsRectEmpty(a)) {
        *dst = *b;
    } else if (IsRectEmpty(b)) {
        *dst = *a;
    } else {
        RECT r = {a->left < b->left ? a->left : b->left, a->top < b->top ? a->top : b->top,
                  a->right > b->right ? a->right : b->right, a->bottom > b->bottom ? a->bottom : b->bottom};
        *dst = r;
    }
    return !IsRectEmpty(dst);
}

// Message box and beep types: the box and the beep share these values.
#define MB_OK 0x00000000
#define MB_ICONHAND 0x00000010
#define MB_ICONQUESTION 0x00000020
#define MB_ICONEXCLAMATION 0x00000030
#define MB_ICONASTERISK 0x00000040
