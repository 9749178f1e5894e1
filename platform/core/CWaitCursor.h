// Shows the wait cursor while an instance lives. Waits nest: the cursor goes back only when
// the last one ends.
#pragma once

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();

private:
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// nCode 1 begins a wait, -1 ends one.
// The count never goes below 0.
void AfxDoWaitCursor(int nCode);
int AfxGetWaitCursorCount();

// The window layer installs a function that shows the real cursor; it receives the code
// and the count after the change. Null uninstalls. Returns the previous function.
typedef void (*AFX_WAIT_CURSOR_PROC)(int nCode, int nWaitCount);
AFX_WAIT_CURSOR_PROC AfxSetWaitCursorProc(AFX_WAIT_CURSOR_PROC pfnProc);
