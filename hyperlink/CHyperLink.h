// A static text control that looks and acts like a web link: link, visited and hover
// colours, a bold underlined font of its own, the hand cursor, a tooltip that holds the
// address and a window fitted to its text. A click opens the address with the desktop's
// browser and explains a failure in a message box.
#pragma once

#include "platform/core/CString.h"
#include "platform/gdi/CFont.h"
#include "platform/wnd/CStatic.h"
#include "platform/wnd/CToolTipCtrl.h"
#include "platform/wnd/IAfxAccessible.h"

class CHyperLink : public CStatic, public IAfxAccessible {
public:
    CHyperLink();
    ~CHyperLink() override;

    // Before the control is attached to a window the setters only store their value;
    // attaching applies what was stored. The order of these virtuals is part of the class.
    virtual void SetURL(CString strURL);
    virtual CString GetURL() const;
    // A hover colour of 0xFFFFFFFF takes the system highlight colour of the moment.
    virtual void SetColours(COLORREF crLinkColour, COLORREF crVisitedColour, COLORREF crHoverColour = 0xFFFFFFFF);
    virtual COLORREF GetLinkColour() const;
    virtual COLORREF GetVisitedColour() const;
    virtual COLORREF GetHoverColour() const;
    virtual void SetVisited(BOOL bVisited = TRUE);
    virtual BOOL GetVisited() const;
    // The control owns the cursor it is given; the one it replaces is not destroyed. A
    // null cursor brings back the hand cursor.
    virtual void SetLinkCursor(HCURSOR hCursor);
    virtual HCURSOR GetLinkCursor() const;
    virtual void SetUnderline(BOOL bUnderline = TRUE);
    virtual BOOL GetUnderline() const;
    virtual void SetAutoSize(BOOL bAutoSize = TRUE);
    virtual BOOL GetAutoSize() const;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // For screen readers: a link to its address, visited once opened; a click on the
    // static control is its action.
    int GetChildCount(int nItem) override;
    int GetChild(int nItem, int nIndex) override;
    BOOL GetItem(int nItem, AFX_ACCITEM* pItem) override;
    BOOL DoDefaultAction(int nItem) override;

protected:
    // Opens the address: the shell first, then the command registered for ".htm" pages.
    // Above 32 on success, otherwise 0 or the shell's error code.
    virtual HINSTANCE GotoURL(LPCTSTR url, int showcmd);
    virtual void ReportError(int nError);
    // The default value of subkey under key into retdata, which holds at least MAX_PATH
    // bytes and may be the buffer that holds subkey. ERROR_SUCCESS or the error; a value
    // too long for MAX_PATH bytes is refused and retdata left alone.
    virtual LONG GetRegKeyValue(HKEY key, LPCTSTR subkey, LPTSTR retdata);
    virtual void PositionWindow();
    virtual void SetDefaultCursor();

    void PreSubclassWindow() override;

    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnClicked();
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    COLORREF m_crLinkColour;
    COLORREF m_crVisitedColour;
    COLORREF m_crHoverColour;
    BOOL m_bMouseOver;
    BOOL m_bVisited;
    BOOL m_bUnderline;
    BOOL m_bAutoSize;
    CString m_strURL;
    CFont m_fontLink;
    HCURSOR m_hLinkCursor;
    CToolTipCtrl m_wndToolTip;

private:
    BOOL GetWindowLogFont(LOGFONT* pLogFont);
    void UseLinkFont(const LOGFONT& lf);
    CSize GetTextSize();
};
