// Everything a window or dialog of the application needs from the framework.
#pragma once

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/wnd/AfxDlgTemplate.h"
#include "platform/wnd/CClientDC.h"
#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CMenu.h"
#include "platform/wnd/CPaintDC.h"
#include "platform/wnd/CStatic.h"
#include "platform/wnd/CToolTipCtrl.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/WinUser.h"
