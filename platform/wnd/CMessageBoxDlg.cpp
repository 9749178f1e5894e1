#include "platform/wnd/CMessageBoxDlg.h"

#include <algorithm>
#include <cmath>

#include "platform/wnd/AfxMessageBox.h"
#include "platform/wnd/AfxWindow.h"
#include "platform/wnd/CClientDC.h"

namespace {

const int kMargin = 11;
const int kGap = 12;
const int kIconSize = 32;
const int kButtonWidth = 75;
const int kButtonHeight = 23;
const int kMinWidth = 160;

const DWORD kBoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
const DWORD kTextStyle = WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX;

// 0xAARRGGBB of the triangle at pixel (x, y) of an image n pixels square: yellow inside a
// black edge, a black "!" on it, transparent outside. The design is on a 32-pixel grid;
// each pixel's centre is looked up on it, so that the image is drawn at its own size, not
// enlarged in blocks (at 32 the grid and the pixels are one).
uint32_t ExclamationPixel(int x, int y, int n)
{
    const uint32_t kClear = 0, kBlack = 0xFF000000u, kYellow = 0xFFFFFF00u;
    const double dx = (x + 0.5) * kIconSize / n - 0.5;
    const double dy = (y + 0.5) * kIconSize / n - 0.5;
    if (dy < 1.5 || dy > 29.5)
        return kClear;
    double dHalf = (dy - 2) * 15.0 / 27.0;
    double dOff = std::fabs(dx + 0.5 - kIconSize / 2.0);
    if (dOff > dHalf + 0.5)
        return kClear;
    if (dy > 27.5 || dOff > dHalf - 1.5)
        return kBlack;
    BOOL bMark = dx >= 14.5 && dx < 16.5 && ((dy >= 9.5 && dy < 20.5) || (dy >= 22.5 && dy < 24.5));
    return bMark ? kBlack : kYellow;
}

AFX_ICON_IMAGE ExclamationImage(int n)
{
    AFX_ICON_IMAGE image;
    image.cx = n;
    image.cy = n;
    image.bits.resize(static_cast<size_t>(n) * n);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x)
            image.bits[static_cast<size_t>(y) * n + x] = ExclamationPixel(x, y, n);
    }
    return image;
}

}  // namespace

CMessageBoxDlg::CMessageBoxDlg(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType, CWnd* pParentWnd)
    : m_strText(lpszText != nullptr ? lpszText : ""), m_strCaption(lpszCaption != nullptr ? lpszCaption : ""),
      m_nType(nType),
      m_items{{"static", "", AFX_IDC_MSGBOX_ICON, WS_CHILD | WS_VISIBLE | SS_ICON, 0, 7, 7, 21, 20, 0},
              {"static", m_strText.c_str(), AFX_IDC_MSGBOX_TEXT, kTextStyle, 0, 40, 7, 100, 8, 0},
              {"button", "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 40, 30, 50, 14, 0}},
      m_template{m_strCaption.c_str(), kBoxStyle, 0, 0, 0, 150, 50, "MS Sans Serif", 8, m_items, 3}
{
    InitModalIndirect(&m_template, pParentWnd);
}

CMessageBoxDlg::~CMessageBoxDlg()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (m_hIcon != nullptr)
        DestroyIcon(m_hIcon);
}

HICON CMessageBoxDlg::CreateExclamationIcon()
{
    HICON hIcon = new HICON__;
    hIcon->imageLarge = ExclamationImage(kIconSize);
    hIcon->imageSmall = hIcon->imageLarge;
    // The screen's own size too, which DrawIconEx picks.
    const int nDevice = AfxScaleToDevice(AfxGetScreenScale(), kIconSize);
    if (nDevice != kIconSize)
        hIcon->images.push_back(ExclamationImage(nDevice));
    return hIcon;
}

BOOL CMessageBoxDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if ((m_nType & MB_ICONMASK) == MB_ICONEXCLAMATION)
        m_hIcon = CreateExclamationIcon();
    ::SendMessage(::GetDlgItem(m_hWnd, AFX_IDC_MSGBOX_ICON), STM_SETICON, reinterpret_cast<WPARAM>(m_hIcon), 0);
    Layout();
    return TRUE;
}

// Escape and the close button end an OK-only box as OK does.
void CMessageBoxDlg::OnCancel() { EndDialog(IDOK); }

SIZE CMessageBoxDlg::MeasureText()
{
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(GetFont());
    CRect rc(0, 0, 0, 0);
    dc.DrawText(m_strText.c_str(), -1, &rc, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_LEFT);
    dc.SelectObject(pOldFont);
    SIZE size = {rc.Width(), rc.Height()};
    return size;
}

// Icon at the top left, the text beside it (centred on the icon when shorter), the OK
// button centred below both.
void CMessageBoxDlg::Layout()
{
    BOOL bIcon = m_hIcon != nullptr;
    SIZE sizeText = MeasureText();
    int xText = bIcon ? kMargin + kIconSize + kGap : kMargin;
    int yText = kMargin + (bIcon ? std::max(0, (kIconSize - static_cast<int>(sizeText.cy)) / 2) : 0);
    int yContentEnd = std::max(bIcon ? kMargin + kIconSize : kMargin, yText + static_cast<int>(sizeText.cy));
    int cxClient = std::max({xText + static_cast<int>(sizeText.cx) + kMargin, kButtonWidth + 2 * kMargin, kMinWidth});
    int yButton = yContentEnd + kGap;
    UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    ::SetWindowPos(::GetDlgItem(m_hWnd, AFX_IDC_MSGBOX_ICON), nullptr, kMargin, kMargin, kIconSize, kIconSize,
                   nFlags | (bIcon ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    ::SetWindowPos(::GetDlgItem(m_hWnd, AFX_IDC_MSGBOX_TEXT), nullptr, xText, yText, sizeText.cx, sizeText.cy, nFlags);
    ::SetWindowPos(::GetDlgItem(m_hWnd, IDOK), nullptr, (cxClient - kButtonWidth) / 2, yButton, kButtonWidth,
                   kButtonHeight, nFlags);
    SetWindowPos(nullptr, 0, 0, cxClient, yButton + kButtonHeight + kMargin, SWP_NOMOVE | nFlags);
    HWND hOwner = ::GetWindowOwner(m_hWnd);
    CenterWindow(hOwner != nullptr && hOwner->bShown ? CWnd::FromHandle(hOwner) : nullptr);
}
