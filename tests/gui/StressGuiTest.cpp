// The real program closed again and again, as a user closes it: after resting on a link
// until its tooltip shows, and after the About box, with and without a window manager,
// with every processor busy as the windows go. Every run must end with exit
// code 0 and nothing on stderr, and the keyboard must still reach the dialog once the
// tooltip is gone.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "tests/gui/CGuiProgram.h"

namespace {

const int kLinkX = 30;  // in the main dialog's link, at (11, 520)
const int kLinkY = 527;
const int kBareX = 300;  // the dialog's own surface below the link
const int kBareY = 552;
const int kAboutLinkX = 30;  // in the About box's link, at (11, 106)
const int kAboutLinkY = 112;
const uint32_t kInfoBackground = 0xFFFFE1;
const int kWaitMs = 30000;

// Keeps every processor busy for the object's lifetime.
class CCpuLoad {
public:
    CCpuLoad()
    {
        unsigned nThreads = std::max(2u, std::thread::hardware_concurrency());
        for (unsigned i = 0; i < nThreads; ++i)
            m_threads.emplace_back([this]() {
                volatile unsigned long n = 0;
                while (!m_bStop)
                    n = n + 1;
            });
    }
    ~CCpuLoad()
    {
        m_bStop = true;
        for (std::thread& thread : m_threads)
            thread.join();
    }

private:
    std::atomic<bool> m_bStop{false};
    std::vector<std::thread> m_threads;
};

class StressGuiTest : public ::testing::Test {
protected:
    // The tooltip shows below a point of a window, somewhere in the band under it.
    bool TipShows(const XRECT& rcWindow, int y, bool bShown)
    {
        return CGuiProgram::WaitUntil([&]() {
            XRECT rc = {rcWindow.x, rcWindow.y + y + 10, 400, 40};
            std::vector<uint32_t> pixels = m_gui.m_screen.Grab(rc);
            return (std::count(pixels.begin(), pixels.end(), kInfoBackground) > 100) == bShown;
        });
    }
    // Rests on the main dialog's link until its tip shows, leaves it, and presses Escape.
    void HoverAndClose()
    {
        ASSERT_TRUE(m_gui.MoveTo(kLinkX, kLinkY));
        ASSERT_TRUE(TipShows(m_gui.m_rcWindow, kLinkY, true)) << "no tooltip";
        ASSERT_TRUE(m_gui.MoveTo(kBareX, kBareY));
        ASSERT_TRUE(TipShows(m_gui.m_rcWindow, kLinkY, false)) << "the tooltip stayed";
        PressEscapeUnderLoad();
    }
    // The windows go within moments of the key: the processors are busy then, and the X
    // server, the last to run, takes whatever reaches it meanwhile in one go.
    void PressEscapeUnderLoad()
    {
        CCpuLoad load;
        ASSERT_TRUE(m_gui.Xdotool({"key", "Escape"}));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    // Opens the About box from the system menu, rests on its link, closes it with Escape.
    void AboutCycle()
    {
        ASSERT_TRUE(m_gui.Click(kBareX, kBareY, 3));
        ASSERT_TRUE(m_gui.Xdotool({"key", "a"}));
        unsigned long nAbout = 0;
        ASSERT_TRUE(CGuiProgram::WaitUntil([&]() { return (nAbout = m_gui.m_screen.FindWindow("About Brelvin")) != 0; }));
        XRECT rcAbout = m_gui.m_screen.GetWindowRect(nAbout);
        ASSERT_TRUE(m_gui.MoveToScreen(rcAbout.x + kAboutLinkX, rcAbout.y + kAboutLinkY));
        ASSERT_TRUE(TipShows(rcAbout, kAboutLinkY, true)) << "no tooltip in the About box";
        PressEscapeUnderLoad();
        ASSERT_TRUE(CGuiProgram::WaitUntil(
            [&]() { return m_gui.m_screen.FindWindow("About Brelvin") == 0 || !m_gui.m_program.IsRunning(); }));
    }
    void ExpectCleanEnd(int nRun)
    {
        EXPECT_EQ(m_gui.m_program.Wait(kWaitMs), 0) << "run " << nRun;
        EXPECT_EQ(m_gui.ErrorOutput(), "") << "run " << nRun;
    }
    void Run(bool bWindowManager, int nLinkRuns, int nAboutRuns)
    {
        ASSERT_TRUE(m_gui.Start(bWindowManager)) << m_gui.m_strError;
        ASSERT_TRUE(m_gui.m_xvfb.SetNice(19));
        for (int i = 0; i < nLinkRuns + nAboutRuns && !HasFailure(); ++i) {
            if (i > 0) {
                ASSERT_TRUE(m_gui.Launch()) << m_gui.m_strError;
            }
            if (i >= nLinkRuns)
                AboutCycle();
            if (!HasFailure())
                HoverAndClose();
            if (!HasFailure())
                ExpectCleanEnd(i);
        }
    }

    CGuiProgram m_gui;
};

TEST_F(StressGuiTest, ClosingUnderAWindowManagerAlwaysEndsCleanly) { Run(true, 10, 5); }

TEST_F(StressGuiTest, ClosingWithoutAWindowManagerAlwaysEndsCleanly) { Run(false, 5, 3); }

}  // namespace
