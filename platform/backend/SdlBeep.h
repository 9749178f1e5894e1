// The system beep as a short tone through SDL audio.
#pragma once

#include <vector>

#include "platform/core/WinDef.h"

// Queues about 120 ms of a tone for the beep type and returns at once; the tone plays on.
// The audio device is opened on the first call and kept. FALSE, and silence, when no audio
// device opens or the audio driver is a silent one (dummy, disk).
BOOL AfxSdlBeep(UINT uType);

// The tone's samples: nMilliseconds of a sine of nFrequency Hz at nSampleRate, mono,
// fading in and out over a few milliseconds so that it does not click.
std::vector<float> AfxMakeBeepTone(int nSampleRate, int nFrequency, int nMilliseconds);

// The tone's pitch for a beep type: higher for an exclamation than for an error.
int AfxBeepFrequency(UINT uType);
