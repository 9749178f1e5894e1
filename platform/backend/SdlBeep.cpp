#include "platform/backend/SdlBeep.h"

#include <SDL.h>

#include <cmath>
#include <cstring>

namespace {

const int c_nToneMilliseconds = 120;
const int c_nFadeMilliseconds = 5;
const float c_fVolume = 0.25f;

struct CBeepDevice {
    bool bTried = false;
    SDL_AudioDeviceID id = 0;
    int nSampleRate = 0;
};

bool IsSilentDriver(const char* pszDriver)
{
    return pszDriver == nullptr || strcmp(pszDriver, "dummy") == 0 || strcmp(pszDriver, "disk") == 0;
}

SDL_AudioDeviceID OpenDevice(int& nSampleRate)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || IsSilentDriver(SDL_GetCurrentAudioDriver())) {
        return 0;
    }
    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = 44100;
    want.format = AUDIO_F32SYS;
    want.channels = 1;
    want.samples = 1024;
    SDL_AudioSpec have;
    SDL_zero(have);
    SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (id != 0) {
        nSampleRate = have.freq;
        SDL_PauseAudioDevice(id, 0);
    }
    return id;
}

// Opened once: a machine without sound should not pay for a retry on every beep.
CBeepDevice& Device()
{
    static CBeepDevice s_device;
    if (!s_device.bTried) {
        s_device.bTried = true;
        s_device.id = OpenDevice(s_device.nSampleRate);
    }
    return s_device;
}

}  // namespace

BOOL AfxSdlBeep(UINT uType)
{
    CBeepDevice& device = Device();
    if (device.id == 0) {
        return FALSE;
    }
    std::vector<float> samples = AfxMakeBeepTone(device.nSampleRate, AfxBeepFrequency(uType), c_nToneMilliseconds);
    SDL_ClearQueuedAudio(device.id);
    return SDL_QueueAudio(device.id, samples.data(), static_cast<Uint32>(samples.size() * sizeof(float))) == 0;
}

std::vector<float> AfxMakeBeepTone(int nSampleRate, int nFrequency, int nMilliseconds)
{
    if (nSampleRate <= 0 || nMilliseconds <= 0) {
        return std::vector<float>();
    }
    size_t nSamples = static_cast<size_t>(nSampleRate) * static_cast<size_t>(nMilliseconds) / 1000;
    size_t nFade = static_cast<size_t>(nSampleRate) * c_nFadeMilliseconds / 1000;
    std::vector<float> samples(nSamples);
    const double c_dTwoPi = 6.283185307179586;
    for (size_t i = 0; i < nSamples; ++i) {
        size_t nEdge = i < nSamples - 1 - i ? i : nSamples - 1 - i;
        double dEnvelope = nEdge < nFade ? static_cast<double>(nEdge) / static_cast<double>(nFade) : 1.0;
        double dPhase = c_dTwoPi * nFrequency * static_cast<double>(i) / nSampleRate;
        samples[i] = static_cast<float>(c_fVolume * dEnvelope * std::sin(dPhase));
    }
    return samples;
}

int AfxBeepFrequency(UINT uType)
{
    switch (uType & 0xF0) {
    case 0x10:  // MB_ICONHAND
        return 440;
    case 0x20:  // MB_ICONQUESTION
        return 660;
    case 0x30:  // MB_ICONEXCLAMATION
        return 880;
    case 0x40:  // MB_ICONASTERISK
        return 1047;
    default:
        return 750;
    }
}
