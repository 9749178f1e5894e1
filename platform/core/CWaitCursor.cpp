#include "platform/core/CWaitCursor.h"

namespace {

int s_nWaitCount = 0;
AFX_WAIT_CURSOR_PROC s_pfnWaitCursorProc = nullptr;

}  // namespace

CWaitCursor::CWaitCursor() { AfxDoWaitCursor(1); }

CWaitCursor::~CWaitCursor() { AfxDoWaitCursor(-1); }

void AfxDoWaitCursor(int nCode)
{
    if (nCode > 0) {
        ++s_nWaitCount;
    } else if (nCode < 0 && s_nWaitCount > 0) {
        --s_nWaitCount;
    }
    if (s_pfnWaitCursorProc != nullptr) {
        s_pfnWaitCursorProc(nCode, s_nWaitCount);
    }
}

int AfxGetWaitCursorCount() { return s_nWaitCount; }

AFX_WAIT_CURSOR_PROC AfxSetWaitCursorProc(AFX_WAIT_CURSOR_PROC pfnProc)
{
    AFX_WAIT_CURSOR_PROC pfnOld = s_pfnWaitCursorProc;
    s_pfnWaitCursorProc = pfnProc;
    return pfnOld;
}
