// The real brelvin program on an Xvfb server of the test's own, driven with xdotool: the
// window's size, what the window manager learns of it, the calendar on the screen against
// brelvin-render's pictures at start-up, after a click on "+" and after a click on a day,
// and Escape ending the program.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "platform/core/AfxScale.h"
#include "platform/gdi/AfxIcon.h"
#include "res/resource.h"
#include "tests/gui/CChildProcess.h"
#include "tests/gui/CGuiProgram.h"
#include "tests/gui/CPngFile.h"
#include "tools/brelvin-render/CCalendarPicture.h"

namespace {

// The calendar's client area in the dialog: the frame control at (11, 11), 630 x 501,
// inside the calendar window's one-pixel border.
const int kCalendarLeft = 12;
const int kCalendarTop = 12;
const int kCalendarWidth = 628;
const int kCalendarHeight = 499;
const int kWaitMs = 30000;

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char szDir[] = "/tmp/brelvin-gui-XXXXXX";
        ASSERT_NE(mkdtemp(szDir), nullptr);
        m_strDir = szDir;
        Configure();
        ASSERT_TRUE(m_gui.Start()) << m_gui.m_strError;
    }
    void TearDown() override
    {
        for (const std::string& strFile : m_files)
            unlink(strFile.c_str());
        if (!m_strDir.empty())
            rmdir(m_strDir.c_str());
    }
    // The program's environment and the server, before they start.
    virtual void Configure() {}
    // The factor the program is expected to run at, as brelvin-render's --scale takes it.
    void ExpectScale(const std::string& strScale)
    {
        m_strScale = strScale;
        ASSERT_TRUE(AfxParseScale(strScale.c_str(), &m_nScale));
    }
    int Device(int v) const { return AfxScaleToDevice(m_nScale, v); }

    // brelvin-render's picture for the given options, at the program's factor.
    CPngFile Render(std::vector<std::string> options)
    {
        std::string strFile = m_strDir + "/picture" + std::to_string(m_files.size()) + ".png";
        m_files.push_back(strFile);
        options.insert(options.begin(), BRELVIN_RENDER);
        if (!m_strScale.empty())
            options.insert(options.end(), {"--scale", m_strScale});
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
        const int x = Device(kCalendarLeft);
        const int y = Device(kCalendarTop);
        const int cx = Device(kCalendarLeft + kCalendarWidth) - x;
        const int cy = Device(kCalendarTop + kCalendarHeight) - y;
        std::vector<uint32_t> shown;
        CGuiProgram::WaitUntil([&]() { return (shown = m_gui.Grab(x, y, cx, cy)) == png.m_pixels; }, kWaitMs);
        if (shown.size() != png.m_pixels.size())
            return png.m_pixels.size();
        size_t nDiffering = 0;
        for (size_t i = 0; i < shown.size(); ++i)
            nDiffering += shown[i] != png.m_pixels[i] ? 1 : 0;
        return nDiffering;
    }
    // A left click at the device pixel where a point of the calendar's client area starts.
    void ClickCalendar(CPoint pt)
    {
        EXPECT_TRUE(m_gui.Click(Device(kCalendarLeft + pt.x), Device(kCalendarTop + pt.y)));
    }
    // The screen against brelvin-render at start-up, after "+" and after a click on a day.
    void ExpectStartUpPlusAndDayClick()
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

    std::string m_strDir;
    std::vector<std::string> m_files;
    CGuiProgram m_gui;
    int m_nScale = AFX_SCALE_ONE;
    std::string m_strScale;
};

TEST_F(GuiTest, WindowIs651By557)
{
    EXPECT_EQ(m_gui.m_rcWindow.cx, 651);
    EXPECT_EQ(m_gui.m_rcWindow.cy, 557);
}

// The StartupWMClass line of the installed desktop entry.
std::string DesktopEntryWindowClass()
{
    std::ifstream file(BRELVIN_DESKTOP_ENTRY);
    std::string strLine;
    while (std::getline(file, strLine)) {
        if (strLine.rfind("StartupWMClass=", 0) == 0)
            return strLine.substr(strLine.find('=') + 1);
    }
    return "(none)";
}

// Docks and task switchers get sizes up to 128 instead of scaling the 32x32 up; the menu
// entry finds its running window by the window's class.
TEST_F(GuiTest, TheWindowManagerGetsFiveIconSizesAndTheClassTheDesktopEntryNames)
{
    const std::vector<unsigned long> data = m_gui.m_screen.GetCardinals(m_gui.m_nWindow, "_NET_WM_ICON");
    HICON hIcon = AfxLoadIcon(IDR_MAINFRAME);
    ASSERT_NE(hIcon, nullptr);
    std::vector<unsigned long> sizes;
    for (size_t i = 0; i + 2 <= data.size(); i += 2 + data[i] * data[i + 1]) {
        sizes.push_back(data[i]);
        EXPECT_EQ(data[i + 1], data[i]);
        const AFX_ICON_IMAGE image = AfxGetIconImage(hIcon, static_cast<int>(data[i]));
        ASSERT_LE(i + 2 + image.bits.size(), data.size());
        EXPECT_TRUE(std::equal(image.bits.begin(), image.bits.end(), data.begin() + static_cast<long>(i) + 2))
            << data[i];
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<unsigned long>{16, 32, 48, 64, 128}));
    DestroyIcon(hIcon);
    EXPECT_EQ(m_gui.m_screen.GetWindowClass(m_gui.m_nWindow), DesktopEntryWindowClass());
}

TEST_F(GuiTest, CalendarOnScreenIsTheRenderToolsStartUpPicture)
{
    CPngFile png = Render({});
    ASSERT_EQ(png.m_cx, kCalendarWidth);
    ASSERT_EQ(png.m_cy, kCalendarHeight);
    EXPECT_EQ(DifferenceAfterWaiting(png), 0u);
}

TEST_F(GuiTest, ClickOnPlusShowsTheNextYearAndAClickOnADaySelectsIt) { ExpectStartUpPlusAndDayClick(); }

TEST_F(GuiTest, EscapeEndsTheProgramWithExitCodeZero)
{
    EXPECT_TRUE(m_gui.Xdotool({"windowfocus", "--sync", std::to_string(m_gui.m_nWindow), "key", "Escape"}));
    EXPECT_EQ(m_gui.m_program.Wait(kWaitMs), 0);
}

// BRELVIN_SCALE=2: everything twice as large, and the pointer's device position finds the
// logical one.
class ScaledGuiTest : public GuiTest {
protected:
    void Configure() override
    {
        m_gui.m_xvfb.m_strScreen = "2048x1536x24";
        m_gui.m_env = {"BRELVIN_SCALE=2"};
        ExpectScale("2");
    }
};

TEST_F(ScaledGuiTest, WindowIs1302By1114)
{
    EXPECT_EQ(m_gui.m_rcWindow.cx, 1302);
    EXPECT_EQ(m_gui.m_rcWindow.cy, 1114);
}

TEST_F(ScaledGuiTest, TheCalendarIsTheRenderToolsPictureAtTwoAtStartUpAfterPlusAndAfterADayClick)
{
    ExpectStartUpPlusAndDayClick();
}

// Without a variable that decides, the X resource Xft.dpi does: 144 dpi is 1.5. A value
// of BRELVIN_SCALE that is not a factor is said on standard error and passed over.
class DpiGuiTest : public GuiTest {
protected:
    void Configure() override
    {
        m_gui.m_xvfb.m_strScreen = "2048x1536x24";
        m_gui.m_strResources = "Xft.dpi:\t144\n";
        m_gui.m_env = {"BRELVIN_SCALE=0.3"};
        ExpectScale("1.5");
    }
};

TEST_F(DpiGuiTest, ARefusedBrelvinScaleIsSaidAndXftDpiDecides)
{
    EXPECT_EQ(m_gui.m_rcWindow.cx, 977);
    EXPECT_EQ(m_gui.m_rcWindow.cy, 836);
    EXPECT_EQ(m_gui.ErrorOutput(), "brelvin: BRELVIN_SCALE '0.3' is not a factor from 1 to 4 in steps of 0.25; ignored\n");
    EXPECT_EQ(DifferenceAfterWaiting(Render({})), 0u);
}

}  // namespace
