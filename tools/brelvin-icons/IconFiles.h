// The program's icon as the files a desktop theme installs: a PNG of one image, and an
// SVG that draws an image as rectangles, so that the scalable icon is the same artwork.
#pragma once

#include "platform/core/CString.h"
#include "platform/gdi/AfxIcon.h"

// Both give FALSE with the reason in strError when the file cannot be written.
BOOL WriteIconPng(LPCTSTR lpszPathName, const AFX_ICON_IMAGE& image, CString& strError);
BOOL WriteIconSvg(LPCTSTR lpszPathName, const AFX_ICON_IMAGE& image, CString& strError);
