// The message queue: posted and input messages first, then timers, then paints when
// nothing else is waiting; the back buffers reach the screen before the loop sleeps.
#include <algorithm>
#include <chrono>
#include <deque>

#include "platform/backend/AfxBackend.h"
#include "platform/wnd/AfxWindow.h"

namespace {

struct AFX_TIMER {
    HWND hWnd;
    UINT_PTR nID;
    UINT nElapse;
    DWORD dwDue;
    TIMERPROC pfnProc;
};

// Made at its first use, not while the program loads: an empty deque already allocates,
// and a failure before main could only abort.
std::deque<MSG>& Queue()
{
    static std::deque<MSG> s_queue;
    return s_queue;
}

std::vector<AFX_TIMER> g_timers;
BOOL g_bQuit = FALSE;
int g_nQuitCode = 0;
UINT_PTR g_nNextTimerId = 0x7FFF;

MSG MakeMsg(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg = {hWnd, message, wParam, lParam, GetTickCount(), {0, 0}};
    GetCursorPos(&msg.pt);
    return msg;
}

BOOL DueTimer(LPMSG lpMsg, BOOL bRemove)
{
    DWORD dwNow = GetTickCount();
    for (AFX_TIMER& timer : g_timers) {
        if (static_cast<int32_t>(dwNow - timer.dwDue) < 0)
            continue;
        *lpMsg = MakeMsg(timer.hWnd, WM_TIMER, timer.nID, reinterpret_cast<LPARAM>(timer.pfnProc));
        if (bRemove)
            timer.dwDue = dwNow + timer.nElapse;
        return TRUE;
    }
    return FALSE;
}

BOOL NextMessage(LPMSG lpMsg, UINT wRemoveMsg, BOOL bWait)
{
    BOOL bRemove = (wRemoveMsg & PM_REMOVE) != 0;
    for (;;) {
        if (!Queue().empty()) {
            *lpMsg = Queue().front();
            if (bRemove)
                Queue().pop_front();
            return TRUE;
        }
        if (AfxPumpBackendEvent(0))
            continue;
        if (g_bQuit) {
            *lpMsg = MakeMsg(nullptr, WM_QUIT, static_cast<WPARAM>(g_nQuitCode), 0);
            if (bRemove)
                g_bQuit = FALSE;
            return TRUE;
        }
        if (DueTimer(lpMsg, bRemove))
            return TRUE;
        HWND hPaint = AfxFindWindowToPaint();
        if (hPaint != nullptr) {
            *lpMsg = MakeMsg(hPaint, WM_PAINT, 0, 0);
            return TRUE;
        }
        AfxPresentAll();
        if (!bWait)
            return FALSE;
        if (!AfxBackendIsReady()) {
            // Nothing could ever arrive: end the loop instead of spinning.
            *lpMsg = MakeMsg(nullptr, WM_QUIT, 0, 0);
            return TRUE;
        }
        AfxPumpBackendEvent(AfxNextTimerDelay());
    }
}

}  // namespace

LRESULT SendMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(hWnd) || hWnd->pfnWndProc == nullptr)
        return 0;
    return AfxCallWindowProc(hWnd, uMsg, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return lpPrevWndFunc != nullptr ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

BOOL PostMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (hWnd != nullptr && !IsWindow(hWnd))
        return FALSE;
    Queue().push_back(MakeMsg(hWnd, uMsg, wParam, lParam));
    return TRUE;
}

void AfxPostInputMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    PostMessage(hWnd, message, wParam, lParam);
}

void PostQuitMessage(int nExitCode)
{
    g_bQuit = TRUE;
    g_nQuitCode = nExitCode;
}

BOOL GetMessage(LPMSG lpMsg, HWND, UINT, UINT)
{
    NextMessage(lpMsg, PM_REMOVE, TRUE);
    return lpMsg->message != WM_QUIT;
}

BOOL PeekMessage(LPMSG lpMsg, HWND, UINT, UINT, UINT wRemoveMsg) { return NextMessage(lpMsg, wRemoveMsg, FALSE); }

BOOL WaitMessage()
{
    if (!Queue().empty() || g_bQuit)
        return TRUE;
    AfxPresentAll();
    AfxPumpBackendEvent(AfxNextTimerDelay());
    return TRUE;
}

BOOL TranslateMessage(const MSG*) { return FALSE; }

LRESULT DispatchMessage(const MSG* lpMsg)
{
    if (lpMsg->message == WM_TIMER && lpMsg->lParam != 0) {
        reinterpret_cast<TIMERPROC>(lpMsg->lParam)(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, lpMsg->time);
        return 0;
    }
    if (!IsWindow(lpMsg->hwnd))
        return 0;
    LRESULT lResult = SendMessage(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
    // A paint handler that does not validate would be asked again for ever.
    if (lpMsg->message == WM_PAINT && IsWindow(lpMsg->hwnd))
        ValidateRect(lpMsg->hwnd, nullptr);
    return lResult;
}

void AfxRemoveWindowMessages(HWND hWnd)
{
    Queue().erase(std::remove_if(Queue().begin(), Queue().end(), [hWnd](const MSG& msg) { return msg.hwnd == hWnd; }),
                  Queue().end());
    g_timers.erase(std::remove_if(g_timers.begin(), g_timers.end(),
                                  [hWnd](const AFX_TIMER& timer) { return timer.hWnd == hWnd; }),
                   g_timers.end());
}

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc)
{
    if (hWnd != nullptr && !IsWindow(hWnd))
        return 0;
    if (hWnd == nullptr)
        nIDEvent = ++g_nNextTimerId;
    KillTimer(hWnd, nIDEvent);
    g_timers.push_back(AFX_TIMER{hWnd, nIDEvent, uElapse, GetTickCount() + uElapse, lpTimerFunc});
    return nIDEvent != 0 ? nIDEvent : 1;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent)
{
    size_t nBefore = g_timers.size();
    g_timers.erase(std::remove_if(g_timers.begin(), g_timers.end(),
                                  [&](const AFX_TIMER& timer) { return timer.hWnd == hWnd && timer.nID == uIDEvent; }),
                   g_timers.end());
    return g_timers.size() != nBefore;
}

int AfxNextTimerDelay()
{
    if (g_timers.empty())
        return -1;
    DWORD dwNow = GetTickCount();
    int nDelay = 0x7FFFFFFF;
    for (const AFX_TIMER& timer : g_timers)
        nDelay = std::min(nDelay, std::max(0, static_cast<int>(static_cast<int32_t>(timer.dwDue - dwNow))));
    return std::max(1, nDelay);
}

DWORD GetTickCount()
{
    if (AfxBackendIsReady())
        return AfxBackendGetTicks();
    using namespace std::chrono;
    return static_cast<DWORD>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
