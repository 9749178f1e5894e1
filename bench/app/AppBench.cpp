// The real program under Xvfb: time from exec to the first frame on the screen, time from
// a "+" click to the repainted frame, and the program's peak memory. Prints the median,
// the fastest and the slowest of each.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/gui/CChildProcess.h"
#include "tests/gui/CXScreen.h"
#include "tests/gui/CXvfbServer.h"

namespace {

typedef std::chrono::steady_clock Clock;

// A header pixel of the calendar (client (100, 12) of the window at (12, 12)), and the
// year's text in the middle of the header.
const int kHeaderX = 12 + 100;
const int kHeaderY = 12 + 12;
const uint32_t kHeaderColor = 0x474747;
const XRECT kYearText = {12 + 314 - 40, 12 + 4, 80, 17};
const int kPlusX = 12 + 615;
const int kPlusY = 12 + 12;
const int kStartups = 20;
const int kSteps = 50;
const double kTimeoutMs = 30000.0;

double MsSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

struct RESULT {
    std::vector<double> values;
    void Print(const char* pszWhat, const char* pszUnit) const
    {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        if (sorted.empty()) {
            std::printf("%-34s no measurement\n", pszWhat);
            return;
        }
        std::printf("%-34s median %7.2f %s   min %7.2f   max %7.2f   (%zu runs)\n", pszWhat, sorted[sorted.size() / 2],
                    pszUnit, sorted.front(), sorted.back(), sorted.size());
    }
};

long PeakKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string strLine;
    while (std::getline(status, strLine)) {
        if (strLine.rfind("VmHWM:", 0) == 0)
            return std::stol(strLine.substr(6));
    }
    return -1;
}

class CBench {
public:
    bool Start()
    {
        if (!m_xvfb.Start() || !m_screen.Open(m_xvfb.m_strDisplay))
            return false;
        m_pDisplay = XOpenDisplay(m_xvfb.m_strDisplay.c_str());
        return m_pDisplay != nullptr;
    }
    ~CBench()
    {
        if (m_pDisplay != nullptr)
            XCloseDisplay(m_pDisplay);
    }

    // One start of the program: first frame, then kSteps "+" clicks, then its peak memory.
    bool RunOnce(RESULT& startup, RESULT& step, RESULT& memory, bool bSteps)
    {
        CChildProcess program;
        Clock::time_point t0 = Clock::now();
        if (!program.Start({BRELVIN_PROGRAM}, {"DISPLAY=" + m_xvfb.m_strDisplay}))
            return false;
        unsigned long nWindow = 0;
        XRECT rc = {0, 0, 0, 0};
        while (MsSince(t0) < kTimeoutMs) {
            if (nWindow == 0 && (nWindow = m_screen.FindWindow("Brelvin")) != 0)
                rc = m_screen.GetWindowRect(nWindow);
            if (nWindow != 0 && Pixel(rc.x + kHeaderX, rc.y + kHeaderY) == kHeaderColor)
                break;
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        if (nWindow == 0)
            return false;
        startup.values.push_back(MsSince(t0));
        if (bSteps) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            for (int i = 0; i < kSteps; ++i)
                step.values.push_back(ClickPlus(rc));
        }
        memory.values.push_back(PeakKiB(program.m_pid) / 1024.0);
        program.Stop();
        return true;
    }

private:
    uint32_t Pixel(int x, int y)
    {
        std::vector<uint32_t> pixels = m_screen.Grab({x, y, 1, 1});
        return pixels.empty() ? 0xFFFFFFFFu : pixels[0];
    }

    double ClickPlus(const XRECT& rcWindow)
    {
        XRECT rcYear = {rcWindow.x + kYearText.x, rcWindow.y + kYearText.y, kYearText.cx, kYearText.cy};
        std::vector<uint32_t> before = m_screen.Grab(rcYear);
        XTestFakeMotionEvent(m_pDisplay, DefaultScreen(m_pDisplay), rcWindow.x + kPlusX, rcWindow.y + kPlusY, 0);
        XSync(m_pDisplay, False);
        Clock::time_point t0 = Clock::now();
        XTestFakeButtonEvent(m_pDisplay, 1, True, 0);
        XTestFakeButtonEvent(m_pDisplay, 1, False, 0);
        XFlush(m_pDisplay);
        double ms = -1;
        while (MsSince(t0) < kTimeoutMs) {
            if (m_screen.Grab(rcYear) != before) {
                ms = MsSince(t0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        // Let the program go idle before the next click.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return ms;
    }

    CXvfbServer m_xvfb;
    CXScreen m_screen;
    Display* m_pDisplay = nullptr;
};

}  // namespace

int main()
{
    CBench bench;
    if (!bench.Start()) {
        std::fprintf(stderr, "bench_app: Xvfb did not start\n");
        return 1;
    }
    RESULT startup, step, memory;
    for (int i = 0; i < kStartups; ++i) {
        if (!bench.RunOnce(startup, step, memory, i == 0)) {
            std::fprintf(stderr, "bench_app: the dialog did not show\n");
            return 1;
        }
    }
    std::printf("brelvin under Xvfb (%s)\n", BRELVIN_PROGRAM);
    startup.Print("exec to first frame on screen", "ms");
    step.Print("\"+\" click to repainted frame", "ms");
    memory.Print("peak memory (VmHWM)", "MiB");
    return 0;
}
