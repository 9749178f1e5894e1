#include "platform/core/AfxUtf8.h"

int AfxUtf8CharLength(LPCTSTR psz)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(psz);
    unsigned char c = p[0];
    if (c < 0x80)
        return 1;
    int nLength = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 0;
    if (c >= 0xF5 || nLength == 0)
        return 0;
    // A terminator fails this test too, so nothing past the end is read.
    for (int i = 1; i < nLength; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
    }
    if ((c == 0xE0 && p[1] < 0xA0) || (c == 0xED && p[1] >= 0xA0) || (c == 0xF0 && p[1] < 0x90) ||
        (c == 0xF4 && p[1] >= 0x90))
        return 0;
    return nLength;
}
