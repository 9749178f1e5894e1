// RT_VERSION resource data: the fixed version numbers and the string values of one
// language and code page.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/WinDef.h"

// The id of the program's version information.
#define VS_VERSION_INFO 1

#define VOS__WINDOWS32 0x00000004L
#define VFT_APP 0x00000001L

struct AFX_VERSION_STRING {
    LPCTSTR lpszName;
    LPCTSTR lpszValue;
};

struct AFX_VERSIONINFO {
    WORD wFileVersion[4];     // most significant part first: 1, 0, 0, 1
    WORD wProductVersion[4];
    DWORD dwFileOS;           // VOS__*
    DWORD dwFileType;         // VFT_*
    WORD wLanguage;           // 0x0409: US English
    WORD wCodePage;           // 0x04B0: 1200
    const AFX_VERSION_STRING* pStrings;
    int nStrings;
};

// The program's file version as dotted numbers ("1.0.0.1"); empty when the program has no
// version information.
CString AfxGetFileVersionText();
