// Windows described for screen readers from what they already are: class, text, styles,
// state and place. Private to platform/wnd.
#pragma once

#include "platform/backend/AfxAtspi.h"
#include "platform/wnd/IAfxAccessible.h"
#include "platform/wnd/WinUser.h"

// The window's answer to WM_GETOBJECT, or null when its class says all.
IAfxAccessible* AfxGetAccessible(HWND hWnd);
// Item 0 of a window, from its class, styles and state.
void AfxDescribeWindow(HWND hWnd, AFX_ACCITEM* pItem);
// Posts what a click on the window would, by its class; FALSE when a click does nothing.
BOOL AfxPostWindowClick(HWND hWnd);
// An item of hWnd (the window itself for nItem 0) as a node: role, names, states, place on
// the screen, interfaces. Parent and children are the caller's.
void AfxItemToNode(HWND hWnd, int nItem, const AFX_ACCITEM& item, AFX_ATSPI_NODE* pNode);
