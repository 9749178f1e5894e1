// Decimal numbers typed by users: in options, environment variables and resources.
#pragma once

#include "platform/core/WinDef.h"

// Reads a run of decimal digits at psz and moves psz past it: any number of leading
// zeros, then at most nine digits more, so that the value always fits an int. FALSE when
// there is no digit or too many. pnDigits, when given, receives how many digits were read.
BOOL AfxReadDigits(LPCTSTR& psz, int& nValue, int* pnDigits = nullptr);
