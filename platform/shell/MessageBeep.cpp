#include "platform/shell/MessageBeep.h"

#include "platform/shell/IAfxBeep.h"

BOOL MessageBeep(UINT uType) { return AfxGetBeep()->Beep(uType); }
