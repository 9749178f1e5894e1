// The main dialog's link in the real program: a click hands the maker's address to
// xdg-open (a stand-in that writes it down), the pointer over it turns it steel blue on
// the screen, and resting there shows the tooltip in the info-background colour.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "res/resource.h"
#include "tests/gui/CGuiProgram.h"

namespace {

// Control 1001 of the main dialog starts at (11, 520) in its client area.
const int kLinkLeft = 11;
const int kLinkTop = 520;
const int kLinkSample = 120;  // wide and high enough for part of the text and its underline
const int kLinkHeight = 14;
const uint32_t kBlue = 0x0000FF;
const uint32_t kSteelBlue = 0x336699;
const uint32_t kInfoBackground = 0xFFFFE1;
const int kPlusX = 626;  // the calendar header's "+" box, in the dialog's client area
const int kPlusY = 23;

class LinkGuiTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_program.Start()) << m_program.m_strError; }

    size_t CountInLink(uint32_t nColour)
    {
        std::vector<uint32_t> pixels = m_program.Grab(kLinkLeft, kLinkTop, kLinkSample, kLinkHeight);
        return static_cast<size_t>(std::count(pixels.begin(), pixels.end(), nColour));
    }
    bool LinkShows(uint32_t nColour, uint32_t nNotColour)
    {
        return CGuiProgram::WaitUntil([&]() { return CountInLink(nColour) > 0 && CountInLink(nNotColour) == 0; });
    }

    CGuiProgram m_program;
};

TEST_F(LinkGuiTest, AClickOnTheLinkOpensTheMakersAddress)
{
    ASSERT_TRUE(LinkShows(kBlue, kSteelBlue));
    ASSERT_TRUE(m_program.Click(kLinkLeft + 10, kLinkTop + 5));
    EXPECT_TRUE(CGuiProgram::WaitUntil([&]() { return m_program.OpenedAddress() == BRELVIN_WEB_ADDRESS; }))
        << "xdg-open was given \"" << m_program.OpenedAddress() << "\"";
    EXPECT_TRUE(m_program.m_program.IsRunning());
}

TEST_F(LinkGuiTest, ThePointerOverTheLinkTurnsItSteelBlueUntilItLeaves)
{
    ASSERT_TRUE(LinkShows(kBlue, kSteelBlue));
    ASSERT_TRUE(m_program.MoveTo(kLinkLeft + 10, kLinkTop + 5));
    EXPECT_TRUE(LinkShows(kSteelBlue, kBlue));
    ASSERT_TRUE(m_program.MoveTo(300, 552));
    EXPECT_TRUE(LinkShows(kBlue, kSteelBlue));
}

TEST_F(LinkGuiTest, RestingOnTheLinkShowsTheTooltipBelowThePointer)
{
    auto tipPixels = [&]() {
        std::vector<uint32_t> pixels = m_program.Grab(0, kLinkTop + 10, 500, 60);
        return std::count(pixels.begin(), pixels.end(), kInfoBackground);
    };
    ASSERT_EQ(tipPixels(), 0);
    ASSERT_TRUE(m_program.MoveTo(kLinkLeft + 10, kLinkTop + 5));
    EXPECT_TRUE(CGuiProgram::WaitUntil([&]() { return tipPixels() > 100; }));
}

// A window of another program over part of the dialog for a moment: the dialog's pixels
// there are gone from the screen until it shows them again.
void CoverForAMoment(CGuiProgram& program, int x, int y, int cx, int cy)
{
    Display* pDisplay = program.m_screen.Display();
    XSetWindowAttributes attributes = {};
    attributes.override_redirect = True;
    attributes.background_pixel = 0xFF00FF;
    Window window = XCreateWindow(pDisplay, DefaultRootWindow(pDisplay), program.m_rcWindow.x + x,
                                  program.m_rcWindow.y + y, static_cast<unsigned>(cx), static_cast<unsigned>(cy), 0,
                                  CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel,
                                  &attributes);
    XMapRaised(pDisplay, window);
    XSync(pDisplay, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    XDestroyWindow(pDisplay, window);
    XSync(pDisplay, False);
}

// Where xdg-open runs the browser in the foreground it returns only when the browser ends:
// meanwhile the rest of the desktop keeps the pointer, the tooltip is gone, what another
// window uncovers shows again at once, and the dialog answers again after a short wait.
// Under a window manager, as on a desktop.
TEST(LinkBrowserGuiTest, WhileTheBrowserRunsTheDesktopKeepsThePointerAndTheDialogAnswersSoon)
{
    CGuiProgram program;
    ASSERT_TRUE(program.Start(true)) << program.m_strError;
    ASSERT_TRUE(program.SetOpenerRunTime(20));
    const std::vector<uint32_t> header = program.Grab(200, 12, 250, 25);
    auto tipPixels = [&]() {
        std::vector<uint32_t> pixels = program.Grab(0, kLinkTop + 10, 500, 60);
        return std::count(pixels.begin(), pixels.end(), kInfoBackground);
    };
    ASSERT_TRUE(program.MoveTo(kLinkLeft + 10, kLinkTop + 5));
    ASSERT_TRUE(CGuiProgram::WaitUntil([&]() { return tipPixels() > 100; }));
    ASSERT_TRUE(program.Xdotool({"click", "1"}));
    const auto clicked = std::chrono::steady_clock::now();
    ASSERT_TRUE(CGuiProgram::WaitUntil([&]() { return !program.OpenedAddress().empty(); }));
    EXPECT_TRUE(program.m_screen.CanGrabPointer()) << "the pointer is held while the browser runs";
    EXPECT_EQ(tipPixels(), 0) << "the tooltip stayed on the screen";
    CoverForAMoment(program, 200, 12, 250, 25);
    EXPECT_TRUE(CGuiProgram::WaitUntil([&]() { return program.Grab(200, 12, 250, 25) == header; }, 1000));
    EXPECT_LT(std::chrono::steady_clock::now() - clicked, std::chrono::milliseconds(1800))
        << "the dialog showed its pixels only after the wait";

    ASSERT_TRUE(program.Click(kPlusX, kPlusY));
    EXPECT_TRUE(CGuiProgram::WaitUntil([&]() { return program.Grab(200, 12, 250, 25) != header; }, 10000))
        << "the dialog did not answer while the browser ran";
}

}  // namespace
