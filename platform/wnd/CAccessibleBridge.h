// The program's windows as the accessibility bus sees them. Every shown window is a node,
// and so is every item of a window that answers WM_GETOBJECT; an action posts what a click
// would; what changed becomes events (CAccessibleTracker) whenever the program waits.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/backend/AfxAtspi.h"
#include "platform/core/CString.h"
#include "platform/wnd/IAfxAccessible.h"
#include "platform/wnd/WinUser.h"

class CAccessibleTracker;

class CAccessibleBridge : public IAfxAtspiProvider {
public:
    CAccessibleBridge();
    ~CAccessibleBridge() override;
    CAccessibleBridge(const CAccessibleBridge&) = delete;
    CAccessibleBridge& operator=(const CAccessibleBridge&) = delete;

    // The bridge of the running program, which registers after the first frame.
    static void Install(LPCTSTR lpszAppName);
    static void Uninstall();
    static CAccessibleBridge* GetBridge();

    BOOL Describe(AFX_ATSPI_ID id, AFX_ATSPI_NODE* pNode) override;
    BOOL DoAction(AFX_ATSPI_ID id) override;
    BOOL GrabFocus(AFX_ATSPI_ID id) override;
    void OnIdle() override;

    // A window told of a change in its items.
    void Notify(DWORD event, HWND hWnd, LONG idChild);

    AFX_ATSPI_ID IdOf(HWND hWnd, int nItem = CHILDID_SELF);
    static BOOL IsItem(AFX_ATSPI_ID id) { return (id & 0xFFFFFFFFu) != 0 && id != AFX_ATSPI_NOBODY; }
    // The node with the keyboard: an item its window said has it, or the focused window.
    AFX_ATSPI_ID GetFocusId();
    AFX_ATSPI_ID GetActiveId();
    // Shown top-level windows, in the order they were made.
    static std::vector<HWND> GetShownWindows();

    CString m_strAppName;

private:
    HWND WindowOf(AFX_ATSPI_ID id, int* pnItem);
    UINT GenerationOf(HWND hWnd);
    void DescribeApplication(AFX_ATSPI_NODE* pNode);
    void DescribeWindow(HWND hWnd, AFX_ATSPI_NODE* pNode);
    BOOL DescribeItem(HWND hWnd, int nItem, AFX_ATSPI_NODE* pNode);
    void AddItems(HWND hWnd, IAfxAccessible* pAcc, int nItem, AFX_ATSPI_NODE* pNode);

    UINT m_nNextId = 1;
    std::map<UINT, UINT> m_generations;  // by window number: replaced items get new ids
    UINT m_nFocusWnd = 0;                // the focused item a window told of
    int m_nFocusItem = CHILDID_SELF;
    HWND m_hFocusThen = nullptr;         // ... while the keyboard stays where it was
    BOOL m_bStarted = FALSE;
    std::unique_ptr<CAccessibleTracker> m_pTracker;
};
