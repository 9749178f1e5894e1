// Dialog templates 102 (the main dialog) and 100 (the About box), in dialog units.
#include "platform/core/AfxResource.h"
#include "platform/wnd/AfxDlgTemplate.h"
#include "platform/wnd/WinUser.h"
#include "res/resource.h"

namespace {

const AFX_DLGITEMTEMPLATE kMainItems[] = {
    {"button", "OK", IDOK, 0x50010001, 0, 324, 322, 50, 14, 0},
    {"button", "Cancel", IDCANCEL, 0x50010000, 0, 377, 322, 50, 14, 0},
    // Hidden: only its rectangle is used, for the calendar window.
    {"static", "", IDC_CALENDAR_FRAME, 0x40000007, 0, 7, 7, 420, 308, 0},
    {"static", "Click here to check if a newer version is available.", IDC_HYPERLINK, 0x50020000, 0, 7, 320,
     312, 16, 0},
};

const AFX_DLGTEMPLATE kMainDialog = {
    "Brelvin", 0x90C800C0, WS_EX_APPWINDOW, 0, 0, 434, 343, "MS Sans Serif", 8, kMainItems,
    sizeof(kMainItems) / sizeof(kMainItems[0])};

const AFX_DLGITEMTEMPLATE kAboutItems[] = {
    {"static", "", -1, 0x50000003, 0, 11, 17, 21, 23, IDR_MAINFRAME},
    {"static", "Brelvin Version 1.0", -1, 0x50020080, 0, 40, 10, 119, 8, 0},
    {"button", "OK", IDOK, 0x50030001, 0, 189, 7, 50, 14, 0},
    {"static", BRELVIN_WEB_ADDRESS, IDC_HYPERLINK, 0x50020000, 0, 7, 65, 232, 16, 0},
};

const AFX_DLGTEMPLATE kAboutDialog = {
    "About Brelvin", 0x80C800C0, 0, 0, 0, 246, 88, "MS Sans Serif", 8, kAboutItems,
    sizeof(kAboutItems) / sizeof(kAboutItems[0])};

const AFX_RESOURCE s_dialogs[] = {
    {RT_DIALOG, IDD_BRELVIN_DIALOG, &kMainDialog},
    {RT_DIALOG, IDD_ABOUTBOX, &kAboutDialog},
};

const AFX_RESOURCE_INIT s_dialogsInit(s_dialogs, sizeof(s_dialogs) / sizeof(s_dialogs[0]));

}  // namespace
