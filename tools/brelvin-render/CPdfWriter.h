// Writes the calendar as a PDF: one landscape page of the paper chosen, the calendar drawn
// on it by its own paint through a printer surface, as large as fits inside 10 mm margins
// and centred. All or nothing, as the PNG (CRenderOutput); "-" is standard output.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/WinDef.h"

class CCalendarPicture;

class CPdfWriter {
public:
    enum Paper { paperA4, paperLetter, paperA3 };

    // The document's title is "Brelvin YEAR", its creator "brelvin-render VERSION". FALSE
    // with a one-line reason in strError when it cannot be written; nothing is left then.
    static BOOL Write(LPCTSTR lpszPathName, CCalendarPicture& picture, Paper nPaper, CString& strError);
};
