// Walking text that should be UTF-8 but may hold any bytes.
#pragma once

#include "platform/core/WinDef.h"

// The length of the valid UTF-8 character at psz (1 to 4; 1 for an ASCII byte), or 0 when
// psz does not start one: a stray trail byte, a cut-off sequence, an overlong form, a
// surrogate or a value above U+10FFFF.
int AfxUtf8CharLength(LPCTSTR psz);
