// Text from outside (a command-line argument, a file name) made safe to echo in a one-line
// message: nothing in it can break the line or drive the terminal.
#pragma once

#include "platform/core/CString.h"

// Control characters become \n, \t, \r or \xHH, a backslash becomes \\, and every byte that
// is not part of a valid UTF-8 character becomes \xHH; the rest is kept as it is.
CString AfxPrintable(LPCTSTR psz);
