#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/shell/IAfxBeep.h"
#include "platform/shell/IAfxProcess.h"
#include "platform/shell/IAfxRegistry.h"
#include "platform/shell/IAfxShell.h"
#include "platform/shell/MessageBeep.h"
#include "platform/shell/ProcessAPI.h"
#include "platform/shell/ShellAPI.h"
#include "platform/shell/WinReg.h"
#include "tests/shell/CScopedService.h"

namespace {

struct CFakeShell : IAfxShell {
    INT_PTR Execute(LPCTSTR pszVerb, LPCTSTR pszFile, LPCTSTR, LPCTSTR pszDirectory, int nShowCmd) override
    {
        calls.push_back(std::string(pszVerb) + "|" + pszFile + "|" + (pszDirectory ? pszDirectory : "-") + "|" +
                        std::to_string(nShowCmd));
        return nResult;
    }
    INT_PTR nResult = 0;
    std::vector<std::string> calls;
};

struct CFakeRegistry : IAfxRegistry {
    LONG QueryValue(HKEY hRoot, LPCTSTR pszKey, CString& strValue) override
    {
        auto found = values.find(pszKey);
        if (hRoot != HKEY_CLASSES_ROOT || found == values.end()) {
            return ERROR_FILE_NOT_FOUND;
        }
        strValue = found->second.c_str();
        return ERROR_SUCCESS;
    }
    std::map<std::string, std::string> values;
};

struct CFakeProcess : IAfxProcess {
    LONG Start(LPCTSTR pszCommandLine, LPCTSTR, DWORD& dwProcessId) override
    {
        commandLines.push_back(pszCommandLine);
        dwProcessId = 4321;
        return lResult;
    }
    LONG lResult = ERROR_SUCCESS;
    std::vector<std::string> commandLines;
};

struct CFakeBeep : IAfxBeep {
    BOOL Beep(UINT uType) override
    {
        types.push_back(uType);
        return TRUE;
    }
    std::vector<UINT> types;
};

TEST(ServiceReplacement, ShellExecuteGoesToTheInstalledShell)
{
    IAfxShell* pDefault = AfxGetShell();
    CFakeShell fake;
    fake.nResult = SE_ERR_NOASSOC;
    {
        CScopedService<IAfxShell> scoped(&fake, AfxSetShell);
        EXPECT_EQ(AfxGetShell(), &fake);
        EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecute(nullptr, "open", "http://example.org/", nullptr, nullptr, 5)),
                  SE_ERR_NOASSOC);
        fake.nResult = 42;
        EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecute(nullptr, "open", "x", nullptr, "/tmp", 1)), 42);
    }
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"open|http://example.org/|-|5", "open|x|/tmp|1"}));
    EXPECT_EQ(AfxGetShell(), pDefault);
    EXPECT_EQ(AfxSetShell(nullptr), nullptr);
}

TEST(ServiceReplacement, RegistryCallsReadTheInstalledRegistry)
{
    CFakeRegistry fake;
    fake.values[".htm"] = "htmlfile";
    fake.values["htmlfile\\shell\\open\\command"] = "web \"%1\"";
    fake.values["long"] = std::string(MAX_PATH, 'x');
    CScopedService<IAfxRegistry> scoped(&fake, AfxSetRegistry);

    HKEY hKey = nullptr;
    char szBuffer[MAX_PATH];
    LONG cbBuffer = sizeof(szBuffer);
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "htmlfile", 0, KEY_QUERY_VALUE, &hKey), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, ".htm", 0, KEY_QUERY_VALUE, &hKey), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValue(hKey, nullptr, szBuffer, &cbBuffer), ERROR_SUCCESS);
    EXPECT_STREQ(szBuffer, "htmlfile");
    EXPECT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);

    cbBuffer = sizeof(szBuffer);
    EXPECT_EQ(RegQueryValue(HKEY_CLASSES_ROOT, "htmlfile\\shell\\open\\command", szBuffer, &cbBuffer), ERROR_SUCCESS);
    EXPECT_STREQ(szBuffer, "web \"%1\"");

    // 260 characters need 261 bytes
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "long", 0, KEY_QUERY_VALUE, &hKey), ERROR_SUCCESS);
    cbBuffer = sizeof(szBuffer);
    EXPECT_EQ(RegQueryValue(hKey, nullptr, szBuffer, &cbBuffer), ERROR_MORE_DATA);
    EXPECT_EQ(cbBuffer, MAX_PATH + 1);
    EXPECT_STREQ(szBuffer, "");
    EXPECT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);
}

TEST(ServiceReplacement, CreateProcessStartsThroughTheInstalledProcess)
{
    CFakeProcess fake;
    CScopedService<IAfxProcess> scoped(&fake, AfxSetProcess);
    char szCommand[] = "web  http://example.org/a b";
    STARTUPINFO si = {};
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcess(nullptr, szCommand, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    EXPECT_EQ(pi.dwProcessId, 4321u);
    EXPECT_GT(reinterpret_cast<UINT_PTR>(pi.hProcess), 32u);
    EXPECT_TRUE(CloseHandle(pi.hProcess));
    EXPECT_TRUE(CloseHandle(pi.hThread));

    fake.lResult = ERROR_FILE_NOT_FOUND;
    PROCESS_INFORMATION piFailed = {};
    EXPECT_FALSE(CreateProcess(nullptr, szCommand, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &piFailed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(piFailed.hProcess, nullptr);
    EXPECT_EQ(fake.commandLines, (std::vector<std::string>{szCommand, szCommand}));
}

TEST(ServiceReplacement, MessageBeepSoundsThroughTheInstalledBeep)
{
    CFakeBeep fake;
    {
        CScopedService<IAfxBeep> scoped(&fake, AfxSetBeep);
        EXPECT_TRUE(MessageBeep(MB_ICONEXCLAMATION));
        EXPECT_TRUE(MessageBeep(MB_OK));
    }
    EXPECT_EQ(fake.types, (std::vector<UINT>{0x30, 0}));
    EXPECT_NE(AfxGetBeep(), &fake);
}

}  // namespace
