// Where no X11 display can be used, the real program says why in one line and ends at
// once: a Wayland session without Xwayland, a server that refuses the connection, or
// SDL_VIDEODRIVER asking for another driver. Never a window nobody sees.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "tests/core/TempFolder.h"
#include "tests/gui/CChildProcess.h"
#include "tests/gui/CGuiProgram.h"
#include "tests/gui/CXvfbServer.h"

namespace {

// Runs the program with env and expects exit code 1 within 2 s and one line on standard
// error that holds strSaid.
void ExpectRefusal(const std::string& strDir, const std::vector<std::string>& env, const std::string& strSaid)
{
    const std::string strErrors = strDir + "stderr";
    CChildProcess program;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(program.Start({BRELVIN_PROGRAM}, env, -1, strErrors));
    const int nExit = program.Wait(2000);
    const auto nMs = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::ifstream file(strErrors);
    std::stringstream text;
    text << file.rdbuf();
    const std::string strText = text.str();
    EXPECT_EQ(nExit, 1) << "still running after " << nMs.count() << " ms: " << strText;
    EXPECT_EQ(strText.find('\n'), strText.size() - 1) << strText;
    EXPECT_EQ(strText.rfind("brelvin: cannot start: ", 0), 0u) << strText;
    EXPECT_NE(strText.find(strSaid), std::string::npos) << strText;
}

const char kNoXwayland[] = "Brelvin needs an X11 display; this Wayland session has none: start Xwayland or run it "
                           "under an X11 session";

TEST(DisplayGuiTest, WithoutAUsableX11DisplayOneLineSaysWhyWithinTwoSeconds)
{
    TempFolder folder;
    const std::string strDir = folder.Path("");
    // A Wayland socket where nothing listens, and a real compositor without a seat.
    ExpectRefusal(strDir, {"DISPLAY=", "WAYLAND_DISPLAY=" + strDir + "nobody"}, kNoXwayland);
    CChildProcess weston;
    ASSERT_TRUE(weston.Start({WESTON_PROGRAM, "--backend=headless-backend.so", "--shell=fullscreen-shell.so",
                              "--no-config", "--socket=brelvin-test"},
                             {"XDG_RUNTIME_DIR=" + strDir}, -1, strDir + "weston.log"));
    struct stat st;
    const std::string strSocket = strDir + "brelvin-test";
    ASSERT_TRUE(CGuiProgram::WaitUntil([&] { return stat(strSocket.c_str(), &st) == 0; }));
    ExpectRefusal(strDir, {"DISPLAY=", "XDG_RUNTIME_DIR=" + strDir, "WAYLAND_DISPLAY=brelvin-test"},
                  kNoXwayland);
    ASSERT_TRUE(weston.IsRunning());

    // A server that wants a cookie the program does not have: no falling back on Wayland.
    const std::string strAuth = strDir + "server.auth";
    ASSERT_EQ(system(("xauth -q -f '" + strAuth + "' add :0 . 0123456789abcdef0123456789abcdef 2>/dev/null").c_str()), 0);
    CXvfbServer refusing;
    refusing.m_strAuthFile = strAuth;
    ASSERT_TRUE(refusing.Start()) << refusing.m_strError;
    ExpectRefusal(strDir,
                  {"DISPLAY=" + refusing.m_strDisplay, "XAUTHORITY=" + strDir + "none",
                   "XDG_RUNTIME_DIR=" + strDir, "WAYLAND_DISPLAY=brelvin-test"},
                  "refused it: Authorization required");

    // A working X server, but the Wayland driver asked for by name.
    CXvfbServer working;
    ASSERT_TRUE(working.Start()) << working.m_strError;
    ExpectRefusal(strDir, {"DISPLAY=" + working.m_strDisplay, "SDL_VIDEODRIVER=wayland"},
                  "Brelvin needs an X11 display; SDL_VIDEODRIVER=wayland");
}

}  // namespace
