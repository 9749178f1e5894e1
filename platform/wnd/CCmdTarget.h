// Base of every object that receives messages through a message map.
#pragma once

#include "platform/core/CObject.h"
#include "platform/wnd/AfxMsgMap.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Runs the first handler for the message in this class's map or a base map.
    BOOL DispatchMsg(UINT nMessage, UINT nCode, UINT nID, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A command (menu item, control notification) routed through the maps.
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

    // The map entry for a message, or null.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
