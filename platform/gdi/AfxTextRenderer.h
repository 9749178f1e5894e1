// Text on a device context: measuring, single lines, and DrawText's layout
// (alignment, line breaks, word wrap, "&" mnemonics, clipping to the rectangle).
#pragma once

#include <string>

#include "platform/gdi/AfxGdi.h"

SIZE AfxTextExtent(HDC hDC, LPCTSTR lpszString, int nCount);
// One line with its top-left at logical (x, y). nMnemonic is the index of the character
// to underline, or -1. prcLimit (logical), if given, clips the text.
BOOL AfxTextLine(HDC hDC, int x, int y, const std::string& strText, int nMnemonic, const RECT* prcLimit);
int AfxDrawText(HDC hDC, LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
BOOL AfxTextMetrics(HDC hDC, LPTEXTMETRIC lptm);
