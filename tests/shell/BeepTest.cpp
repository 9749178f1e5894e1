#include <gtest/gtest.h>

#include <cmath>

#include "platform/backend/SdlBeep.h"
#include "platform/shell/IAfxBeep.h"
#include "platform/shell/MessageBeep.h"
#include "tests/shell/CEnvOverride.h"

namespace {

int CountSignChanges(const std::vector<float>& samples)
{
    int nChanges = 0;
    for (size_t i = 1; i < samples.size(); ++i) {
        if ((samples[i - 1] < 0) != (samples[i] < 0)) {
            ++nChanges;
        }
    }
    return nChanges;
}

TEST(BeepTone, IsAShortSineThatFadesInAndOut)
{
    for (int nRate : {44100, 48000, 22050}) {
        const int c_nFrequency = AfxBeepFrequency(MB_ICONEXCLAMATION);
        std::vector<float> samples = AfxMakeBeepTone(nRate, c_nFrequency, 120);
        ASSERT_EQ(samples.size(), static_cast<size_t>(nRate * 120 / 1000));
        float fPeak = 0;
        for (float f : samples) {
            fPeak = std::max(fPeak, std::fabs(f));
        }
        EXPECT_GT(fPeak, 0.1f);
        EXPECT_LE(fPeak, 0.5f);
        // two sign changes per period: the pitch is what was asked for
        EXPECT_NEAR(CountSignChanges(samples), 2 * c_nFrequency * 120 / 1000, 3);
        EXPECT_LT(std::fabs(samples.front()), 0.01f);
        EXPECT_LT(std::fabs(samples.back()), 0.01f);
    }
    EXPECT_TRUE(AfxMakeBeepTone(0, 880, 120).empty());
}

TEST(BeepTone, ExclamationIsHigherThanError)
{
    EXPECT_GT(AfxBeepFrequency(MB_ICONEXCLAMATION), AfxBeepFrequency(MB_ICONHAND));
}

TEST(Beep, SilentAudioDriverGivesSilence)
{
    CEnvOverride driver("SDL_AUDIODRIVER", "dummy");
    ASSERT_EQ(AfxSetBeep(nullptr), nullptr);
    EXPECT_FALSE(MessageBeep(MB_ICONEXCLAMATION));
    EXPECT_FALSE(MessageBeep(MB_OK));
}

}  // namespace
