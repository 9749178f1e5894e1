// The calendar's fonts all derive from the platform's stock GUI font.
#pragma once

#include "platform/gdi/AfxGdi.h"

// DEFAULT_GUI_FONT, or ANSI_VAR_FONT where there is none; null if neither exists.
HGDIOBJ AfcStockGuiFont();
// The description of hFont read into a zeroed record (all zero for a null handle).
LOGFONT AfcReadLogFont(HGDIOBJ hFont);
// The heavier, larger variant for titles: weight 600 and a tenth more height, whichever
// the sign of the height (-11 becomes -12).
void AfcMakeTitleFont(LOGFONT& lf);
