#include "calendar/CalendarFonts.h"

#include <cstring>

HGDIOBJ AfcStockGuiFont()
{
    HGDIOBJ hFont = GetStockObject(DEFAULT_GUI_FONT);
    return hFont != nullptr ? hFont : GetStockObject(ANSI_VAR_FONT);
}

LOGFONT AfcReadLogFont(HGDIOBJ hFont)
{
    LOGFONT lf;
    std::memset(&lf, 0, sizeof(lf));
    if (hFont != nullptr) {
        GetObject(hFont, sizeof(lf), &lf);
    }
    return lf;
}

void AfcMakeTitleFont(LOGFONT& lf)
{
    lf.lfWeight = FW_SEMIBOLD;
    lf.lfHeight = lf.lfHeight + lf.lfHeight / 10;
}
