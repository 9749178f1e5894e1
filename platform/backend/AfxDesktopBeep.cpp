#include "platform/backend/AfxDesktopBeep.h"

#include <alsa/asoundlib.h>
#include <canberra.h>

#include <cstdint>
#include <cstring>

#include "platform/backend/AfxBackendX11.h"

namespace {

// ALSA's library writes every failure to standard error, a machine without a sound card
// included; a beep that cannot sound is no news for the user.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

ca_context* Context()
{
    static ca_context* s_pContext = nullptr;
    static bool s_bTried = false;
    if (!s_bTried) {
        s_bTried = true;
        snd_lib_error_set_handler(QuietAlsa);
        if (ca_context_create(&s_pContext) != CA_SUCCESS)
            s_pContext = nullptr;
    }
    return s_pContext;
}

const uint32_t kSettingInteger = 0;
const uint32_t kSettingString = 1;
const uint32_t kSettingColor = 2;

}  // namespace

// The XSETTINGS wire format: a byte-order byte, the serial, the count, then each setting as
// type, name, serial and value, every part padded to four bytes.
BOOL AfxFindXSetting(const unsigned char* pData, size_t nSize, LPCTSTR lpszName, int* pnValue)
{
    const bool bMsbFirst = nSize > 0 && pData[0] != 0;
    size_t nAt = 0;
    auto skip = [&](size_t n) {
        if (n > nSize - nAt)
            return false;
        nAt += n;
        return true;
    };
    auto skipPadded = [&](size_t n) { return skip((n + 3) & ~static_cast<size_t>(3)); };
    auto read = [&](uint32_t& n, size_t nBytes) {
        if (nBytes > nSize - nAt)
            return false;
        n = 0;
        for (size_t i = 0; i < nBytes; ++i)
            n = (n << 8) | pData[nAt + (bMsbFirst ? i : nBytes - 1 - i)];
        nAt += nBytes;
        return true;
    };
    uint32_t nCount = 0;
    if (!skip(8) || !read(nCount, 4))
        return FALSE;
    for (uint32_t i = 0; i < nCount; ++i) {
        uint32_t nType = 0, nNameLength = 0, nValue = 0;
        if (!read(nType, 1) || !skip(1) || !read(nNameLength, 2))
            return FALSE;
        const bool bFound = nNameLength <= nSize - nAt && std::strlen(lpszName) == nNameLength &&
                            std::memcmp(pData + nAt, lpszName, nNameLength) == 0;
        if (!skipPadded(nNameLength) || !skip(4))
            return FALSE;
        if (nType == kSettingInteger) {
            if (!read(nValue, 4))
                return FALSE;
            if (bFound) {
                *pnValue = static_cast<int>(nValue);
                return TRUE;
            }
        } else if (nType == kSettingString) {
            if (!read(nValue, 4) || !skipPadded(nValue))
                return FALSE;
        } else if (nType != kSettingColor || !skip(8)) {
            return FALSE;
        }
    }
    return FALSE;
}

LPCTSTR AfxBeepEventId(UINT uType)
{
    switch (uType & 0xF0) {
    case MB_ICONHAND: return "dialog-error";
    case MB_ICONQUESTION: return "dialog-question";
    case MB_ICONEXCLAMATION: return "dialog-warning";
    case MB_ICONASTERISK: return "dialog-information";
    default: return "bell";
    }
}

BOOL AfxDesktopBeep(UINT uType)
{
    BOOL bSounded = AfxX11Bell();
    ca_context* pContext = AfxX11EventSoundsEnabled() ? Context() : nullptr;
    if (pContext != nullptr &&
        ca_context_play(pContext, 0, CA_PROP_EVENT_ID, AfxBeepEventId(uType), CA_PROP_EVENT_DESCRIPTION, "Beep",
                        nullptr) == CA_SUCCESS)
        bSounded = TRUE;
    return bSounded;
}
