// Message maps: typed handlers, base maps searched next, commands by id and code,
// unhandled messages reaching the window's default handling.
#include <gtest/gtest.h>

#include "tests/wnd/WndTestSupport.h"

namespace {

class CBaseTarget : public CWnd {
public:
    CMsgLog m_log;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        m_log.Add("base down " + std::to_string(point.x) + "," + std::to_string(point.y) + " flags " +
                  std::to_string(nFlags));
    }
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        m_log.Add("base ping " + std::to_string(wParam));
        return lParam * 2;
    }
    afx_msg void OnApply() { m_log.Add("base apply"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_USER + 1, OnPing)
    ON_BN_CLICKED(301, OnApply)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget {
protected:
    afx_msg void OnLButtonDown(UINT, CPoint) { m_log.Add("derived down"); }
    afx_msg void OnSysCommand(UINT nID, LPARAM) { m_log.Add("syscommand " + std::to_string(nID)); }
    afx_msg void OnHelpCommand() { m_log.Add("derived help"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
    ON_WM_LBUTTONDOWN()
    ON_WM_SYSCOMMAND()
    ON_COMMAND(302, OnHelpCommand)
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyAllWindows(); }
};

TEST_F(MessageMapTest, DerivedEntryWinsAndBaseEntriesStillServe)
{
    CDerivedTarget wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "t", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    EXPECT_EQ(wnd.SendMessage(WM_USER + 1, 7, 21), 42);
    wnd.SendMessage(WM_SYSCOMMAND, 0x10, 0);
    EXPECT_EQ(wnd.m_log.Joined(), "derived down; base ping 7; syscommand 16");
}

TEST_F(MessageMapTest, BaseHandlerGetsUnpackedArguments)
{
    CBaseTarget wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "t", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-3, 70));
    EXPECT_EQ(wnd.m_log.Joined(), "base down -3,70 flags 5");
}

TEST_F(MessageMapTest, CommandsRouteByIdAndCode)
{
    CDerivedTarget wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "t", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(301, BN_CLICKED), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(302, 0), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(301, 5), 0);  // another notification code
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(303, 0), 0);  // nobody's id
    EXPECT_EQ(wnd.m_log.Joined(), "base apply; derived help");
}

TEST_F(MessageMapTest, UnhandledMessagesGetDefaultHandling)
{
    CDerivedTarget wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "caption", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(wnd.SendMessage(WM_GETTEXTLENGTH), 7);
    CString strText;
    wnd.SetWindowText("renamed");
    wnd.GetWindowText(strText);
    EXPECT_EQ(strText, "renamed");
    EXPECT_TRUE(wnd.m_log.lines.empty());
}

TEST_F(MessageMapTest, DestroyingTheObjectDestroysItsWindow)
{
    HWND hWnd = nullptr;
    {
        CBaseTarget wnd;
        ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "t", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
        hWnd = wnd.m_hWnd;
        EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &wnd);
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

}  // namespace
