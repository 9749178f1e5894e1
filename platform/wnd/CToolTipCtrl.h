// A tooltip window: shows a tool's text below the pointer after it rests on the tool.
// The tool's window relays its mouse messages (RelayEvent) from PreTranslateMessage.
#pragma once

#include "platform/wnd/AfxCommCtrl.h"
#include "platform/wnd/CWnd.h"

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;

    // A WS_POPUP window of the tooltip class, owned by pParentWnd's top-level window.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    // nIDTool 0: the tool is pWnd's whole client area; otherwise lpRectTool in it.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    int GetToolCount() const;
    void RelayEvent(LPMSG lpMsg);
    void SetDelayTime(DWORD dwDuration, int iTime);

private:
    static TOOLINFO MakeToolInfo(CWnd* pWnd, UINT_PTR nIDTool);
};
