// Shared pieces of the window-layer tests: the test application, a top-level window
// to put children in, and a way to run a modal dialog step by step.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/wnd/AfxDriver.h"
#include "platform/wnd/AfxWin.h"
#include "tests/support/WindowTestSupport.h"

// Runs the dialog modally; each step runs once everything before it was handled and
// painted. When the steps are used up without the dialog ending, it ends with -2.
inline INT_PTR RunModal(CDialog& dlg, std::vector<std::function<void()>> steps)
{
    return AfxRunModalSteps(dlg, std::move(steps));
}

// A top-level window with a plain class, for children to live in.
class CTestFrame : public CWnd {
public:
    BOOL CreateFrame(int cx, int cy, UINT nClassStyle = 0);
};

// Messages as a readable log line, e.g. "down 10,12".
struct CMsgLog {
    std::vector<std::string> lines;
    void Add(const std::string& strLine) { lines.push_back(strLine); }
    std::string Joined() const;
};

CPoint Pt(int x, int y);
std::string RectText(const RECT& rc);
