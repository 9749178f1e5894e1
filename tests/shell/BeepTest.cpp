// The desktop's beep: silent on standard error where there is no sound card, and the
// desktop's switch for event sounds read from its settings.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/backend/AfxDesktopBeep.h"
#include "platform/shell/IAfxBeep.h"
#include "platform/shell/MessageBeep.h"

namespace {

TEST(Beep, TheDefaultBeepPrintsNothingAlsoWithoutASoundCard)
{
    ASSERT_EQ(AfxSetBeep(nullptr), nullptr);
    FILE* pCatch = tmpfile();
    ASSERT_NE(pCatch, nullptr);
    fflush(stderr);
    const int nSaved = dup(STDERR_FILENO);
    dup2(fileno(pCatch), STDERR_FILENO);
    MessageBeep(MB_ICONEXCLAMATION);
    MessageBeep(MB_OK);
    fflush(stderr);
    dup2(nSaved, STDERR_FILENO);
    close(nSaved);
    EXPECT_EQ(ftell(pCatch), 0L);
    fclose(pCatch);
}

// An XSETTINGS block: a string setting, then Net/EnableEventSounds, in either byte order.
std::vector<unsigned char> Settings(bool bMsbFirst, int nEnabled)
{
    std::vector<unsigned char> data;
    auto put = [&](uint32_t n, int nBytes) {
        for (int i = 0; i < nBytes; ++i)
            data.push_back(static_cast<unsigned char>(n >> (8 * (bMsbFirst ? nBytes - 1 - i : i))));
    };
    auto name = [&](const std::string& str) {
        put(static_cast<uint32_t>(str.size()), 2);
        data.insert(data.end(), str.begin(), str.end());
        data.resize((data.size() + 3) & ~size_t(3));
        put(7, 4);  // last-change serial
    };
    put(bMsbFirst ? 1 : 0, 1);
    data.resize(4);
    put(42, 4);
    put(2, 4);
    put(1, 1);
    data.push_back(0);
    name("Net/ThemeName");
    const std::string strTheme = "Adwaita";
    put(static_cast<uint32_t>(strTheme.size()), 4);
    data.insert(data.end(), strTheme.begin(), strTheme.end());
    data.resize((data.size() + 3) & ~size_t(3));
    put(0, 1);
    data.push_back(0);
    name("Net/EnableEventSounds");
    put(static_cast<uint32_t>(nEnabled), 4);
    return data;
}

TEST(Beep, TheEventSoundsSwitchIsReadFromTheDesktopsSettingsInEitherByteOrder)
{
    for (bool bMsbFirst : {false, true}) {
        for (int nEnabled : {0, 1}) {
            const std::vector<unsigned char> data = Settings(bMsbFirst, nEnabled);
            int nValue = -1;
            EXPECT_TRUE(AfxFindXSetting(data.data(), data.size(), "Net/EnableEventSounds", &nValue));
            EXPECT_EQ(nValue, nEnabled) << bMsbFirst;
            EXPECT_FALSE(AfxFindXSetting(data.data(), data.size(), "Net/ThemeName", &nValue));
            EXPECT_FALSE(AfxFindXSetting(data.data(), data.size() - 1, "Net/EnableEventSounds", &nValue));
        }
    }
}

}  // namespace
