#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/shell/AfxCommandLine.h"
#include "platform/shell/CDesktopEntry.h"
#include "platform/shell/WinReg.h"
#include "tests/shell/CEnvOverride.h"
#include "tests/shell/CTempDir.h"

namespace {

// A desktop's MIME database in a temporary tree: config home, config folders, data home
// and data folders, nothing of the machine's own.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.IsValid()); }

    void WriteApp(const std::string& strRelative, const std::string& strExec)
    {
        m_dir.Write(strRelative, "# an application\n[Desktop Entry]\nType=Application\nName=Web Browser\n"
                                 "Name[de]=Netzbrowser\nExec=" + strExec + "\n\n[Desktop Action new]\nExec=other\n");
    }
    void WriteDefault(const std::string& strRelative, const std::string& strList)
    {
        m_dir.Write(strRelative, "[Added Associations]\ntext/html=added.desktop;\n\n"
                                 "[Default Applications]\ntext/plain=editor.desktop\ntext/html = " + strList + "\n");
    }

    // Reads the default value of a key under HKEY_CLASSES_ROOT the way the link control does.
    LONG Query(LPCTSTR pszKey, std::string& strValue)
    {
        HKEY hKey = nullptr;
        LONG lResult = RegOpenKeyEx(HKEY_CLASSES_ROOT, pszKey, 0, KEY_QUERY_VALUE, &hKey);
        if (lResult != ERROR_SUCCESS) {
            return lResult;
        }
        char szBuffer[MAX_PATH];
        LONG cbBuffer = sizeof(szBuffer);
        lResult = RegQueryValue(hKey, nullptr, szBuffer, &cbBuffer);
        EXPECT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);
        strValue = szBuffer;
        return lResult;
    }
    std::string DefaultApp()
    {
        std::string strValue;
        EXPECT_EQ(Query(".htm", strValue), ERROR_SUCCESS);
        return strValue;
    }

    CTempDir m_dir;
    CEnvOverride m_configHome{"XDG_CONFIG_HOME", m_dir.Path("config")};
    CEnvOverride m_configDirs{"XDG_CONFIG_DIRS", m_dir.Path("etc1") + ":relative/ignored:" + m_dir.Path("etc2")};
    CEnvOverride m_dataHome{"XDG_DATA_HOME", m_dir.Path("data")};
    CEnvOverride m_dataDirs{"XDG_DATA_DIRS", m_dir.Path("share1") + ":" + m_dir.Path("share2")};
    CEnvOverride m_desktop{"XDG_CURRENT_DESKTOP", nullptr};
};

TEST_F(RegistryTest, HtmNamesTheFirstInstalledDefaultApplication)
{
    WriteApp("share2/applications/web/browser.desktop", "browser %u");
    WriteDefault("config/mimeapps.list", "missing.desktop;web-browser.desktop;");
    EXPECT_EQ(DefaultApp(), "web-browser.desktop");

    std::string strValue;
    EXPECT_EQ(Query(".HTML", strValue), ERROR_SUCCESS);
    EXPECT_EQ(strValue, "web-browser.desktop");
    EXPECT_EQ(Query("web-browser.desktop", strValue), ERROR_SUCCESS);
    EXPECT_EQ(strValue, "Web Browser");
}

TEST_F(RegistryTest, ListFilesCountInXdgOrder)
{
    WriteApp("data/applications/a.desktop", "a %u");
    WriteApp("share1/applications/b.desktop", "b %u");
    WriteApp("share2/applications/c.desktop", "c %u");
    WriteApp("share2/applications/d.desktop", "d %u");

    WriteDefault("share2/applications/mimeapps.list", "d.desktop");
    EXPECT_EQ(DefaultApp(), "d.desktop");
    WriteDefault("share1/applications/mimeapps.list", "c.desktop");
    EXPECT_EQ(DefaultApp(), "c.desktop");
    WriteDefault("data/applications/mimeapps.list", "b.desktop");
    EXPECT_EQ(DefaultApp(), "b.desktop");
    WriteDefault("etc2/mimeapps.list", "a.desktop");
    EXPECT_EQ(DefaultApp(), "a.desktop");
    WriteDefault("etc1/mimeapps.list", "d.desktop");
    EXPECT_EQ(DefaultApp(), "d.desktop");
    WriteDefault("config/mimeapps.list", "uninstalled.desktop");
    EXPECT_EQ(DefaultApp(), "d.desktop");
    WriteDefault("config/mimeapps.list", "c.desktop");
    EXPECT_EQ(DefaultApp(), "c.desktop");

    CEnvOverride desktop("XDG_CURRENT_DESKTOP", "Other:TestDesk");
    WriteDefault("config/testdesk-mimeapps.list", "b.desktop");
    EXPECT_EQ(DefaultApp(), "b.desktop");
}

TEST_F(RegistryTest, DataHomeApplicationsWinOverDataFolders)
{
    WriteApp("share1/applications/web.desktop", "system-web %u");
    WriteApp("data/applications/web.desktop", "my-web %u");
    WriteDefault("config/mimeapps.list", "web.desktop");
    std::string strValue;
    EXPECT_EQ(Query("web.desktop\\shell\\open\\command", strValue), ERROR_SUCCESS);
    EXPECT_EQ(strValue, "my-web %1");
}

TEST_F(RegistryTest, NoDefaultMeansNoHtmKey)
{
    std::string strValue;
    EXPECT_EQ(Query(".htm", strValue), ERROR_FILE_NOT_FOUND);
    WriteApp("share1/applications/editor.desktop", "editor %f");
    WriteDefault("config/mimeapps.list", "unknown.desktop");
    EXPECT_EQ(Query(".htm", strValue), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, OpenCommandIsTheExecLine)
{
    WriteApp("share1/applications/web.desktop",
             "\"/opt/Web Browser/web\" --new-window %U %i --class=%c\\s%k 100%% \"say \\\\\"hi\\\\\"\"");
    WriteDefault("config/mimeapps.list", "web.desktop");
    std::string strValue;
    ASSERT_EQ(Query(DefaultApp().c_str(), strValue), ERROR_SUCCESS);

    std::string strCommand;
    ASSERT_EQ(Query("web.desktop\\Shell\\Open\\Command", strCommand), ERROR_SUCCESS);
    EXPECT_EQ(strCommand, "\"/opt/Web Browser/web\" --new-window %1 --class= 100% \"say \\\"hi\\\"\"");

    // the same key reached step by step from an open key
    HKEY hApp = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "web.desktop", 0, KEY_READ, &hApp), ERROR_SUCCESS);
    HKEY hCommand = nullptr;
    ASSERT_EQ(RegOpenKeyEx(hApp, "shell\\open\\command", 0, KEY_QUERY_VALUE, &hCommand), ERROR_SUCCESS);
    char szBuffer[MAX_PATH];
    LONG cbBuffer = sizeof(szBuffer);
    EXPECT_EQ(RegQueryValue(hCommand, nullptr, szBuffer, &cbBuffer), ERROR_SUCCESS);
    EXPECT_EQ(std::string(szBuffer), strCommand);
    EXPECT_EQ(cbBuffer, static_cast<LONG>(strCommand.size() + 1));
    EXPECT_EQ(RegQueryValue(hApp, "shell", szBuffer, &cbBuffer), ERROR_SUCCESS);
    EXPECT_STREQ(szBuffer, "");
    EXPECT_EQ(RegCloseKey(hCommand), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(hApp), ERROR_SUCCESS);
}

TEST_F(RegistryTest, MissingKeys)
{
    WriteApp("share1/applications/web.desktop", "web %u");
    m_dir.Write("share1/applications/noexec.desktop", "[Desktop Entry]\nName=No Exec\n");
    std::string strValue;
    const char* const c_keys[] = {
        "web.desktop\\shell\\print\\command", "web.desktop\\shell\\open\\command\\more", "web.desktop\\\\shell",
        "noexec.desktop\\shell\\open\\command", "gone.desktop", "../share1/applications/web.desktop",
        ".txt", ".htm\\shell",
    };
    for (const char* pszKey : c_keys) {
        EXPECT_EQ(Query(pszKey, strValue), ERROR_FILE_NOT_FOUND) << pszKey;
    }
    HKEY hKey = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "web.desktop", 0, KEY_QUERY_VALUE, &hKey), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(hKey, nullptr);
}

TEST_F(RegistryTest, IsReadOnlyAndChecksHandles)
{
    WriteApp("share1/applications/web.desktop", "web %u");
    HKEY hKey = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "web.desktop", 0, KEY_SET_VALUE, &hKey), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "web.desktop", 0, KEY_WRITE, &hKey), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "web.desktop", 0, KEY_QUERY_VALUE, nullptr), ERROR_INVALID_PARAMETER);

    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "web.desktop", 0, KEY_QUERY_VALUE, &hKey), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(hKey), ERROR_INVALID_HANDLE);
    char szBuffer[8] = "old";
    LONG cbBuffer = sizeof(szBuffer);
    EXPECT_EQ(RegQueryValue(hKey, nullptr, szBuffer, &cbBuffer), ERROR_INVALID_HANDLE);
    EXPECT_STREQ(szBuffer, "");
}

TEST_F(RegistryTest, TooLongValuesAreRefusedWithoutOverflow)
{
    std::string strProgram = "/opt/" + std::string(300, 'w');
    WriteApp("share1/applications/long.desktop", strProgram + " %u");
    const std::string strExpected = strProgram + " %1";
    const LONG cbNeeded = static_cast<LONG>(strExpected.size() + 1);

    HKEY hKey = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "long.desktop\\shell\\open\\command", 0, KEY_QUERY_VALUE, &hKey),
              ERROR_SUCCESS);
    LONG cbSize = 0;
    EXPECT_EQ(RegQueryValue(hKey, nullptr, nullptr, &cbSize), ERROR_SUCCESS);
    EXPECT_EQ(cbSize, cbNeeded);

    // Heap buffers of exactly the stated size: a write past the end is caught.
    for (LONG cbBuffer : {static_cast<LONG>(MAX_PATH), cbNeeded - 1, static_cast<LONG>(1)}) {
        std::vector<char> buffer(static_cast<size_t>(cbBuffer), 'x');
        LONG cbIn = cbBuffer;
        EXPECT_EQ(RegQueryValue(hKey, nullptr, buffer.data(), &cbIn), ERROR_MORE_DATA);
        EXPECT_EQ(cbIn, cbNeeded);
        EXPECT_EQ(buffer[0], '\0');
    }
    std::vector<char> exact(static_cast<size_t>(cbNeeded));
    LONG cbIn = cbNeeded;
    EXPECT_EQ(RegQueryValue(hKey, nullptr, exact.data(), &cbIn), ERROR_SUCCESS);
    EXPECT_EQ(std::string(exact.data()), strExpected);
    LONG cbZero = 0;
    char chUntouched = 'x';
    EXPECT_EQ(RegQueryValue(hKey, nullptr, &chUntouched, &cbZero), ERROR_MORE_DATA);
    EXPECT_EQ(chUntouched, 'x');
    EXPECT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);
}

TEST(DesktopExec, FieldCodesBecomePlaceholderOrVanish)
{
    EXPECT_EQ(CDesktopEntry::ExecToCommandLine("web %u"), "web %1");
    EXPECT_EQ(CDesktopEntry::ExecToCommandLine("web %U"), "web %1");
    EXPECT_EQ(CDesktopEntry::ExecToCommandLine("viewer --file=%f"), "viewer --file=%1");
    EXPECT_EQ(CDesktopEntry::ExecToCommandLine("viewer %F --x"), "viewer %1 --x");
    EXPECT_EQ(CDesktopEntry::ExecToCommandLine("app %i %c %k %d %D %n %N %v %m"), "app");
    EXPECT_EQ(CDesktopEntry::ExecToCommandLine("app --name=%c %%u 50%"), "app --name= %u 50%");
    EXPECT_EQ(CDesktopEntry::ExecToCommandLine("app"), "app");
}

TEST(DesktopExec, ALiteralPercentBeforeOneIsNeverThePlaceholder)
{
    typedef std::vector<std::string> Args;
    const struct {
        const char* pszExec;
        Args args;  // as the command line splits, "%1" where the placeholder was
        size_t nPlaceholders;
    } cases[] = {
        {"web --x=%%1", {"web", "--x=%1"}, 0},
        {"web --x=%%1 %u", {"web", "--x=%1", "%1"}, 1},
        {"web \"a b %%1\" %%%u", {"web", "a b %1", "%%1"}, 1},
        {"\"/opt/W %%1/web\" --x=%%1%%1 \"%%1 \\\"q\\\"\"", {"/opt/W %1/web", "--x=%1%1", "%1 \"q\""}, 0},
        {"web %%%%1 %%11", {"web", "%%1", "%11"}, 0},
    };
    for (const auto& c : cases) {
        const std::string strLine = CDesktopEntry::ExecToCommandLine(c.pszExec);
        EXPECT_EQ(AfxSplitCommandLine(strLine.c_str()), c.args) << strLine;
        // The link control cuts the command at its first "%1".
        size_t nFound = 0;
        for (size_t i = strLine.find("%1"); i != std::string::npos; i = strLine.find("%1", i + 1)) {
            ++nFound;
        }
        EXPECT_EQ(nFound, c.nPlaceholders) << strLine;
    }
}

TEST(DesktopExec, QuotedArgumentsAreRequotedForWindows)
{
    EXPECT_EQ(CDesktopEntry::SplitExec("\"/a b/c\" \"x \\\"y\\\" \\$z \\`w\\` \\\\\" \"\""),
              (std::vector<std::string>{"/a b/c", "x \"y\" $z `w` \\", ""}));
    EXPECT_EQ(CDesktopEntry::ExecToCommandLine("\"/a b/c\" \"x \\\"y\\\"\" \"\" %u"),
              "\"/a b/c\" \"x \\\"y\\\"\" \"\" %1");
}

}  // namespace
