// Writes pixels as a PNG file, all or nothing, by the rules of a safe save (CMirrorFile):
// the picture goes to a temporary file beside the target, which is renamed over it only
// once it is complete; a target reached through symbolic links is replaced and the links
// stay; an existing target keeps its permissions; anything but a regular file is refused.
// SIGINT or SIGTERM during the write remove the temporary file before they end the program.
// "-" writes to standard output (CRenderOutput).
#pragma once

#include <cstdint>

#include "platform/core/CString.h"
#include "platform/core/WinDef.h"

class CPngWriter {
public:
    // pPixels: cx * cy pixels 0x00RRGGBB, top row first. FALSE with the reason in
    // strError when the file cannot be written; nothing is left behind then.
    static BOOL Write(LPCTSTR lpszPathName, const uint32_t* pPixels, int cx, int cy, CString& strError);
};
