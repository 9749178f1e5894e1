// Message maps: per-class tables that route a message (and, for commands, a notification
// code and control id) to a typed handler; the base class's table is searched next.
#pragma once

#include "platform/wnd/WinUser.h"

class CCmdTarget;

// Calls the handler with the message's parameters unpacked; FALSE when the handler
// leaves the message unhandled (a reflected colour handler that returns no brush).
typedef BOOL (*AFX_PMSGTHUNK)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;    // notification code of WM_COMMAND entries
    UINT nID;      // first control id of WM_COMMAND entries
    UINT nLastID;  // last control id
    AFX_PMSGTHUNK pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define afx_msg

#define DECLARE_MESSAGE_MAP()                       \
protected:                                          \
    static const AFX_MSGMAP* GetThisMessageMap();   \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                  \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                             \
    {                                                                           \
        typedef theClass ThisClass;                                             \
        typedef baseClass TheBaseClass;                                         \
        static_assert(sizeof(ThisClass) > 0, "complete class");                 \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                              \
    {0, 0, 0, 0, nullptr}};                                                            \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                                \
    }

#define AFX_THIS(p) static_cast<ThisClass*>(p)
#define AFX_ENTRY(msg, body) \
    {(msg), 0, 0, 0, [](CCmdTarget* p, WPARAM wParam, LPARAM lParam, LRESULT* pResult) -> BOOL { \
         (void)p; (void)wParam; (void)lParam; (void)pResult; body; return TRUE; }},
#define AFX_POINT_LPARAM CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))

#define ON_WM_DESTROY() AFX_ENTRY(WM_DESTROY, AFX_THIS(p)->OnDestroy())
#define ON_WM_NCDESTROY() AFX_ENTRY(WM_NCDESTROY, AFX_THIS(p)->OnNcDestroy())
#define ON_WM_PAINT() AFX_ENTRY(WM_PAINT, AFX_THIS(p)->OnPaint())
#define ON_WM_TIMER() AFX_ENTRY(WM_TIMER, AFX_THIS(p)->OnTimer(static_cast<UINT_PTR>(wParam)))
#define ON_WM_ERASEBKGND() \
    AFX_ENTRY(WM_ERASEBKGND, *pResult = AFX_THIS(p)->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))))
#define ON_WM_SYSCOMMAND() AFX_ENTRY(WM_SYSCOMMAND, AFX_THIS(p)->OnSysCommand(static_cast<UINT>(wParam), lParam))
#define ON_WM_QUERYDRAGICON() \
    AFX_ENTRY(WM_QUERYDRAGICON, *pResult = reinterpret_cast<LRESULT>(AFX_THIS(p)->OnQueryDragIcon()))
#define ON_WM_SETCURSOR()                                                                                \
    AFX_ENTRY(WM_SETCURSOR, *pResult = AFX_THIS(p)->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), \
                                                                LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_MOUSEMOVE() \
    AFX_ENTRY(WM_MOUSEMOVE, AFX_THIS(p)->OnMouseMove(static_cast<UINT>(wParam), AFX_POINT_LPARAM))
#define ON_WM_LBUTTONDOWN() \
    AFX_ENTRY(WM_LBUTTONDOWN, AFX_THIS(p)->OnLButtonDown(static_cast<UINT>(wParam), AFX_POINT_LPARAM))
#define ON_WM_LBUTTONUP() \
    AFX_ENTRY(WM_LBUTTONUP, AFX_THIS(p)->OnLButtonUp(static_cast<UINT>(wParam), AFX_POINT_LPARAM))
#define ON_WM_LBUTTONDBLCLK() \
    AFX_ENTRY(WM_LBUTTONDBLCLK, AFX_THIS(p)->OnLButtonDblClk(static_cast<UINT>(wParam), AFX_POINT_LPARAM))
// The parent's colour message: (CDC*, CWnd* control, UINT CTLCOLOR_*) -> brush.
#define ON_WM_CTLCOLOR()                                                                          \
    {WM_CTLCOLOR, 0, 0, 0, [](CCmdTarget* p, WPARAM wParam, LPARAM lParam, LRESULT* pResult) -> BOOL { \
         const AFX_CTLCOLOR* pCtl = reinterpret_cast<const AFX_CTLCOLOR*>(lParam);               \
         (void)wParam;                                                                           \
         *pResult = reinterpret_cast<LRESULT>(AFX_THIS(p)->OnCtlColor(                           \
             CDC::FromHandle(pCtl->hDC), CWnd::FromHandle(pCtl->hWnd), pCtl->nCtlType));          \
         return TRUE; }},
// The colour message reflected to the control: (CDC*, UINT CTLCOLOR_*) -> brush; no
// brush leaves the decision to the parent.
#define ON_WM_CTLCOLOR_REFLECT()                                                                  \
    {WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0,                                                      \
     [](CCmdTarget* p, WPARAM wParam, LPARAM lParam, LRESULT* pResult) -> BOOL {                  \
         const AFX_CTLCOLOR* pCtl = reinterpret_cast<const AFX_CTLCOLOR*>(lParam);               \
         (void)wParam;                                                                           \
         *pResult = reinterpret_cast<LRESULT>(AFX_THIS(p)->CtlColor(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType)); \
         return *pResult != 0; }},

#define ON_MESSAGE(message, memberFxn) AFX_ENTRY(message, *pResult = AFX_THIS(p)->memberFxn(wParam, lParam))

#define AFX_CMD_ENTRY(msg, code, id, lastId, memberFxn) \
    {(msg), static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(lastId), \
     [](CCmdTarget* p, WPARAM, LPARAM, LRESULT*) -> BOOL { AFX_THIS(p)->memberFxn(); return TRUE; }},
#define ON_COMMAND(id, memberFxn) AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, memberFxn)
#define ON_CONTROL(code, id, memberFxn) AFX_CMD_ENTRY(WM_COMMAND, code, id, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
// A control's own notification, reflected back to it by its parent.
#define ON_CONTROL_REFLECT(code, memberFxn) AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0xFFFF, memberFxn)

// What travels with a colour message inside the framework.
struct AFX_CTLCOLOR {
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};
