#include "tests/gui/CAccessibilityBus.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/gui/CGuiProgram.h"

namespace {

const int kWaitMs = 60000;

std::string ReadFile(const std::string& strPath)
{
    std::ifstream file(strPath);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

// The listener first, the session bus last: nothing is left to outlive the others.
CAccessibilityBus::~CAccessibilityBus()
{
    m_listener.Stop();
    m_launcher.Stop();
    m_session.Stop();
    std::error_code error;
    if (!m_strDir.empty())
        std::filesystem::remove_all(m_strDir, error);
}

bool CAccessibilityBus::Start()
{
    char szDir[] = "/tmp/brelvin-a11y-XXXXXX";
    if (mkdtemp(szDir) == nullptr) {
        m_strError = "no runtime folder";
        return false;
    }
    m_strDir = szDir;
    struct stat st;
    const std::string strSocket = m_strDir + "/session-bus";
    if (!m_session.Start({DBUS_DAEMON_PROGRAM, "--session", "--nofork", "--address=unix:path=" + strSocket}, {}, -1,
                         m_strDir + "/session.err") ||
        !CGuiProgram::WaitUntil([&]() { return stat(strSocket.c_str(), &st) == 0; }, kWaitMs)) {
        m_strError = "the session bus did not start";
        return false;
    }
    CChildProcess wait;
    if (!m_launcher.Start({ATSPI_BUS_LAUNCHER, "--launch-immediately"}, Environment(), -1, m_strDir + "/launcher.err") ||
        !wait.Start({GDBUS_PROGRAM, "wait", "--session", "--timeout", "60", "org.a11y.Bus"}, Environment()) ||
        wait.Wait(kWaitMs) != 0) {
        m_strError = "the accessibility bus did not start";
        return false;
    }
    return true;
}

// Whatever the desktop running the tests has, only this bus counts.
std::vector<std::string> CAccessibilityBus::Environment() const
{
    return {"DBUS_SESSION_BUS_ADDRESS=unix:path=" + m_strDir + "/session-bus", "XDG_RUNTIME_DIR=" + m_strDir,
            "AT_SPI_BUS_ADDRESS", "NO_AT_BRIDGE"};
}

bool CAccessibilityBus::StartClient(CChildProcess& client, const std::string& strOut, std::vector<std::string> args)
{
    std::vector<std::string> argv = {PYTHON_PROGRAM, ATSPI_CLIENT, args[0], strOut};
    argv.insert(argv.end(), args.begin() + 1, args.end());
    return client.Start(argv, Environment(), -1, m_strDir + "/client.err");
}

std::string CAccessibilityBus::Ask(const std::vector<std::string>& args)
{
    const std::string strOut = m_strDir + "/asked" + std::to_string(m_nAsked++);
    CChildProcess client;
    if (!StartClient(client, strOut, args) || client.Wait(kWaitMs) != 0)
        return std::string();
    return ReadFile(strOut);
}

bool CAccessibilityBus::Listen(const std::vector<std::string>& events)
{
    std::vector<std::string> args = {"listen"};
    args.insert(args.end(), events.begin(), events.end());
    return StartClient(m_listener, m_strDir + "/heard", args) &&
           CGuiProgram::WaitUntil([this]() { return Heard().rfind("ready\n", 0) == 0 || !m_listener.IsRunning(); },
                                  kWaitMs) &&
           m_listener.IsRunning();
}

std::string CAccessibilityBus::Heard() const { return ReadFile(m_strDir + "/heard"); }
