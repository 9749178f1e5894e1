// The real brelvin program on an Xvfb server of the test's own, driven with xdotool: the
// window's size, the calendar on the screen against brelvin-render's pictures at start-up,
// after a click on "+" and after a click on a day, and Escape ending the program.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

#include "tests/gui/CChildProcess.h"
#include "tests/gui/CPngFile.h"
#include "tests/gui/CXScreen.h"
#include "tests/gui/CXvfbServer.h"
#include "tools/brelvin-render/CCalendarPicture.h"

namespace {

// The calendar's client area in the dialog: the frame control at (11, 11), 630 x 501,
// inside the calendar window's one-pixel border.
const int kCalendarLeft = 12;
const int kCalendarTop = 12;
const int kCalendarWidth = 628;
const int kCalendarHeight = 499;
const int kWaitMs = 30000;

bool WaitUntil(const std::function<bool()>& fnDone, int nTimeoutMs)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
    while (!fnDone()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char szDir[] = "/tmp/brelvin-gui-XXXXXX";
        ASSERT_NE(mkdtemp(szDir), nullptr);
        m_strDir = szDir;
        ASSERT_TRUE(m_xvfb.Start()) << m_xvfb.m_strError;
        ASSERT_TRUE(m_screen.Open(m_xvfb.m_strDisplay));
        ASSERT_TRUE(m_program.Start({BRELVIN_PROGRAM}, {"DISPLAY=" + m_xvfb.m_strDisplay}));
        bool bShown = WaitUntil(
            [this]() { return (m_nWindow = m_screen.FindWindow("Brelvin")) != 0 || !m_program.IsRunning(); }, kWaitMs);
        ASSERT_TRUE(bShown && m_nWindow != 0) << "the dialog did not show";
        m_rcWindow = m_screen.GetWindowRect(m_nWindow);
    }
    void TearDown() override
    {
        m_program.Stop();
        for (const std::string& strFile : m_files)
            unlink(strFile.c_str());
        if (!m_strDir.empty())
            rmdir(m_strDir.c_str());
    }

    // brelvin-render's picture for the given options.
    CPngFile Render(std::vector<std::string> options)
    {
        std::string strFile = m_strDir + "/picture" + std::to_string(m_files.size()) + ".png";
        m_files.push_back(strFile);
        options.insert(options.begin(), BRELVIN_RENDER);
        options.push_back(strFile);
        CChildProcess render;
        CPngFile png;
        EXPECT_TRUE(render.Start(options, {}));
        EXPECT_EQ(render.Wait(kWaitMs), 0);
        EXPECT_TRUE(png.Read(strFile));
        return png;
    }
    // Waits until the screen shows the picture in the calendar's client area; the number
    // of pixels that differ at the end.
    size_t DifferenceAfterWaiting(const CPngFile& png)
    {
        XRECT rc = {m_rcWindow.x + kCalendarLeft, m_rcWindow.y + kCalendarTop, kCalendarWidth, kCalendarHeight};
        std::vector<uint32_t> shown;
        WaitUntil([&]() { return (shown = m_screen.Grab(rc)) == png.m_pixels; }, kWaitMs);
        if (shown.size() != png.m_pixels.size())
            return png.m_pixels.size();
        size_t nDiffering = 0;
        for (size_t i = 0; i < shown.size(); ++i)
            nDiffering += shown[i] != png.m_pixels[i] ? 1 : 0;
        return nDiffering;
    }
    void Xdotool(std::vector<std::string> args)
    {
        args.insert(args.begin(), XDOTOOL_PROGRAM);
        CChildProcess xdotool;
        ASSERT_TRUE(xdotool.Start(args, {"DISPLAY=" + m_xvfb.m_strDisplay}));
        EXPECT_EQ(xdotool.Wait(kWaitMs), 0);
    }
    // A left click at a point of the calendar's client area.
    void ClickCalendar(CPoint pt)
    {
        Xdotool({"mousemove", "--sync", std::to_string(m_rcWindow.x + kCalendarLeft + pt.x),
                 std::to_string(m_rcWindow.y + kCalendarTop + pt.y), "click", "1"});
    }

    std::string m_strDir;
    std::vector<std::string> m_files;
    CXvfbServer m_xvfb;
    CXScreen m_screen;
    CChildProcess m_program;
    unsigned long m_nWindow = 0;
    XRECT m_rcWindow = {0, 0, 0, 0};
};

TEST_F(GuiTest, WindowIs651By557)
{
    EXPECT_EQ(m_rcWindow.cx, 651);
    EXPECT_EQ(m_rcWindow.cy, 557);
}

TEST_F(GuiTest, CalendarOnScreenIsTheRenderToolsStartUpPicture)
{
    CPngFile png = Render({});
    ASSERT_EQ(png.m_cx, kCalendarWidth);
    ASSERT_EQ(png.m_cy, kCalendarHeight);
    EXPECT_EQ(DifferenceAfterWaiting(png), 0u);
}

TEST_F(GuiTest, ClickOnPlusShowsTheNextYearAndAClickOnADaySelectsIt)
{
    ASSERT_EQ(DifferenceAfterWaiting(Render({})), 0u);
    CCalendarPicture picture(kCalendarWidth, kCalendarHeight);
    ClickCalendar(CRect(picture.GetYearObj().m_rcNextButton).CenterPoint());
    EXPECT_EQ(DifferenceAfterWaiting(Render({"--year", "2001"})), 0u);

    picture.ChangeYear(2001);
    AFCDayObj* pDay = picture.ClickDay(2001, 3, 15);
    ASSERT_NE(pDay, nullptr);
    ClickCalendar(CRect(pDay->m_rcCell).CenterPoint());
    EXPECT_EQ(DifferenceAfterWaiting(Render({"--year", "2001", "--select", "2001-03-15"})), 0u);
}

TEST_F(GuiTest, EscapeEndsTheProgramWithExitCodeZero)
{
    Xdotool({"windowfocus", "--sync", std::to_string(m_nWindow), "key", "Escape"});
    EXPECT_EQ(m_program.Wait(kWaitMs), 0);
}

}  // namespace
