// What a window says of itself and of the parts it draws of its own, for screen readers.
// Asked with WM_GETOBJECT (lParam OBJID_CLIENT), a window answers with a pointer to this
// interface, or 0 to be described by its class and styles alone (DefWindowProc's answer).
// Item 0 (CHILDID_SELF) is the window itself; its parts are items of their own numbers.
// The window tells of changes with NotifyWinEvent.
#pragma once

#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/core/WinDef.h"

// Roles, with the system's numbers.
#define ROLE_SYSTEM_WINDOW 0x09
#define ROLE_SYSTEM_CLIENT 0x0A
#define ROLE_SYSTEM_MENUPOPUP 0x0B
#define ROLE_SYSTEM_MENUITEM 0x0C
#define ROLE_SYSTEM_TOOLTIP 0x0D
#define ROLE_SYSTEM_DIALOG 0x12
#define ROLE_SYSTEM_SEPARATOR 0x15
#define ROLE_SYSTEM_TABLE 0x18
#define ROLE_SYSTEM_COLUMNHEADER 0x19
#define ROLE_SYSTEM_CELL 0x1D
#define ROLE_SYSTEM_LINK 0x1E
#define ROLE_SYSTEM_GRAPHIC 0x28
#define ROLE_SYSTEM_STATICTEXT 0x29
#define ROLE_SYSTEM_PUSHBUTTON 0x2B
// The system has no role for a calendar.
#define ROLE_AFX_CALENDAR 0x0401

// States.
#define STATE_SYSTEM_UNAVAILABLE 0x00000001
#define STATE_SYSTEM_SELECTED 0x00000002
#define STATE_SYSTEM_FOCUSED 0x00000004
#define STATE_SYSTEM_DEFAULT 0x00000100
#define STATE_SYSTEM_INVISIBLE 0x00008000
#define STATE_SYSTEM_FOCUSABLE 0x00100000
#define STATE_SYSTEM_SELECTABLE 0x00200000
#define STATE_SYSTEM_LINKED 0x00400000
#define STATE_SYSTEM_TRAVERSED 0x00800000

#define CHILDID_SELF 0

struct AFX_ACCITEM {
    DWORD dwRole = ROLE_SYSTEM_CLIENT;
    CString strName;
    CString strDescription;
    CString strValue;          // a link's address
    DWORD dwState = 0;         // STATE_SYSTEM_*
    CRect rcItem;              // in the window's client coordinates
    int nParent = CHILDID_SELF;  // the item it is part of
    CString strDefaultAction;  // "click", or empty when it has none
    int nRows = 0;             // tables
    int nColumns = 0;
    int nRow = -1;             // cells; a column header has row -1
    int nColumn = -1;
};

class IAfxAccessible {
public:
    // The parts of an item, in order: GetChild gives the item number of each.
    virtual int GetChildCount(int nItem) = 0;
    virtual int GetChild(int nItem, int nIndex) = 0;
    // Fills in what it knows; item 0 comes filled in from the window's class and styles.
    // FALSE for an item it does not have.
    virtual BOOL GetItem(int nItem, AFX_ACCITEM* pItem) = 0;
    // Starts the item's action as a click would, by posting, and returns at once. FALSE
    // when it has none: item 0 then acts as its class does.
    virtual BOOL DoDefaultAction(int nItem) = 0;

protected:
    ~IAfxAccessible() = default;
};
