#include "platform/core/AfxPrintable.h"

#include <cstdio>

#include "platform/core/AfxUtf8.h"

namespace {

// U+0080 to U+009F: control characters that some terminals act on.
bool IsC1Control(const unsigned char* p) { return p[0] == 0xC2 && p[1] < 0xA0; }

void AppendEscaped(CString& str, unsigned char c)
{
    char szEscape[8];
    switch (c) {
    case '\n': str += "\\n"; return;
    case '\t': str += "\\t"; return;
    case '\r': str += "\\r"; return;
    case '\\': str += "\\\\"; return;
    default:
        std::snprintf(szEscape, sizeof szEscape, "\\x%02x", c);
        str += szEscape;
    }
}

}  // namespace

CString AfxPrintable(LPCTSTR psz)
{
    CString str;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(psz != nullptr ? psz : "");
    while (*p != 0) {
        if (*p < 0x80) {
            if (*p < 0x20 || *p == 0x7F || *p == '\\')
                AppendEscaped(str, *p);
            else
                str += static_cast<TCHAR>(*p);
            ++p;
            continue;
        }
        int nLength = AfxUtf8CharLength(reinterpret_cast<LPCTSTR>(p));
        if (nLength == 0 || IsC1Control(p)) {
            for (int i = 0; i < (nLength == 0 ? 1 : nLength); ++i)
                AppendEscaped(str, p[i]);
            p += nLength == 0 ? 1 : nLength;
            continue;
        }
        str += CString(reinterpret_cast<LPCTSTR>(p), nLength);
        p += nLength;
    }
    return str;
}
