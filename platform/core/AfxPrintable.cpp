#include "platform/core/AfxPrintable.h"

#include <cstdio>

namespace {

// The length of the valid UTF-8 character at p (1 to 4), or 0 when p does not start one.
// Overlong forms, surrogates and values above U+10FFFF are not valid.
int Utf8Length(const unsigned char* p)
{
    unsigned char c = p[0];
    int nLength = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 0;
    if (c >= 0xF5 || nLength == 0)
        return 0;
    for (int i = 1; i < nLength; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
    }
    if ((c == 0xE0 && p[1] < 0xA0) || (c == 0xED && p[1] >= 0xA0) || (c == 0xF0 && p[1] < 0x90) ||
        (c == 0xF4 && p[1] >= 0x90))
        return 0;
    return nLength;
}

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
        int nLength = Utf8Length(p);
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
