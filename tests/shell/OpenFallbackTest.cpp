#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/shell/ProcessAPI.h"
#include "platform/shell/ShellAPI.h"
#include "platform/shell/WinReg.h"
#include "tests/shell/CEnvOverride.h"
#include "tests/shell/CTempDir.h"

namespace {

// The services together, as a link falls back on them when xdg-open has no tool: the
// ".htm" class, its open command from the desktop entry, and that command started with
// the address in place of its placeholder.
class OpenFallbackTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.IsValid());
        m_dir.Write("bin/xdg-open", "#!/bin/sh\nexit 3\n", true);
        m_strBrowser = m_dir.Write("my apps/web",
                                   "#!/bin/sh\nfor a; do printf '%s\\n' \"$a\"; done > '" + m_dir.Path("out.tmp") +
                                       "'\nmv '" + m_dir.Path("out.tmp") + "' '" + m_dir.Path("out") + "'\n",
                                   true);
        m_dir.Write("data/applications/web.desktop",
                    "[Desktop Entry]\nName=Web\nExec=\"" + m_strBrowser + "\" --new-window %u\n");
        m_dir.Write("config/mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n");
    }

    std::string ReadValue(LPCTSTR pszKey)
    {
        HKEY hKey = nullptr;
        char szBuffer[MAX_PATH] = "";
        LONG cbBuffer = sizeof(szBuffer);
        EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, pszKey, 0, KEY_QUERY_VALUE, &hKey), ERROR_SUCCESS) << pszKey;
        EXPECT_EQ(RegQueryValue(hKey, nullptr, szBuffer, &cbBuffer), ERROR_SUCCESS) << pszKey;
        RegCloseKey(hKey);
        return szBuffer;
    }

    bool WaitForOutput()
    {
        for (int i = 0; i < 1000 && !m_dir.Exists("out"); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return m_dir.Exists("out");
    }

    CTempDir m_dir;
    std::string m_strBrowser;
    CEnvOverride m_path{"PATH", m_dir.Path("bin") + ":/usr/bin:/bin"};
    CEnvOverride m_configHome{"XDG_CONFIG_HOME", m_dir.Path("config")};
    CEnvOverride m_configDirs{"XDG_CONFIG_DIRS", m_dir.Path("etc")};
    CEnvOverride m_dataHome{"XDG_DATA_HOME", m_dir.Path("data")};
    CEnvOverride m_dataDirs{"XDG_DATA_DIRS", m_dir.Path("share")};
};

TEST_F(OpenFallbackTest, RegisteredCommandStartsTheDefaultBrowser)
{
    const std::string strAddress = "http://example.org/page?a=1&b=$HOME";
    EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecute(nullptr, "open", strAddress.c_str(), nullptr, nullptr, 5)),
              SE_ERR_NOASSOC);

    std::string strClass = ReadValue(".htm");
    std::string strCommand = ReadValue((strClass + "\\shell\\open\\command").c_str());
    size_t nPlaceholder = strCommand.find("%1");
    ASSERT_NE(nPlaceholder, std::string::npos) << strCommand;
    strCommand = strCommand.substr(0, nPlaceholder) + " " + strAddress;

    STARTUPINFO si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcess(nullptr, strCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        << strCommand;
    ASSERT_TRUE(WaitForOutput());
    EXPECT_EQ(m_dir.Read("out"), "--new-window\n" + strAddress + "\n");
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

}  // namespace
