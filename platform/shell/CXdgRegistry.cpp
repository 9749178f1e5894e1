#include "platform/shell/CXdgRegistry.h"

#include <strings.h>

#include "platform/shell/CDesktopEntry.h"
#include "platform/shell/CMimeApps.h"
#include "platform/shell/WinReg.h"

namespace {

// The key's names; FALSE for an empty name between backslashes.
BOOL SplitKey(const std::string& strKey, std::vector<std::string>& names)
{
    size_t nStart = 0;
    while (nStart <= strKey.size()) {
        size_t nEnd = strKey.find('\\', nStart);
        if (nEnd == std::string::npos) {
            nEnd = strKey.size();
        }
        if (nEnd == nStart) {
            return FALSE;
        }
        names.push_back(strKey.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    return TRUE;
}

bool SameName(const std::string& strName, const char* pszExpected)
{
    return strcasecmp(strName.c_str(), pszExpected) == 0;
}

}  // namespace

LONG CXdgRegistry::QueryValue(HKEY hRoot, LPCTSTR pszKey, CString& strValue)
{
    strValue.Empty();
    if (hRoot != HKEY_CLASSES_ROOT) {
        return ERROR_FILE_NOT_FOUND;
    }
    std::string strKey = pszKey != nullptr ? pszKey : "";
    if (strKey.empty()) {
        return ERROR_SUCCESS;
    }
    std::vector<std::string> names;
    if (!SplitKey(strKey, names)) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (SameName(names[0], ".htm") || SameName(names[0], ".html")) {
        return QueryExtension(names, strValue);
    }
    return QueryApplication(names, strValue);
}

LONG CXdgRegistry::QueryExtension(const std::vector<std::string>& names, CString& strValue)
{
    std::string strId;
    if (names.size() != 1 || !CMimeApps::GetDefault("text/html", strId)) {
        return ERROR_FILE_NOT_FOUND;
    }
    strValue = strId.c_str();
    return ERROR_SUCCESS;
}

LONG CXdgRegistry::QueryApplication(const std::vector<std::string>& names, CString& strValue)
{
    static const char* const c_path[] = {"shell", "open", "command"};
    std::string strPath;
    CDesktopEntry entry;
    if (names.size() > 4 || !CDesktopEntry::Find(names[0], strPath) || !entry.Load(strPath)) {
        return ERROR_FILE_NOT_FOUND;
    }
    for (size_t i = 1; i < names.size(); ++i) {
        if (!SameName(names[i], c_path[i - 1])) {
            return ERROR_FILE_NOT_FOUND;
        }
    }
    std::string strText;
    if (names.size() == 1) {
        entry.GetName(strText);
    } else if (names.size() == 4) {
        if (!entry.GetExec(strText)) {
            return ERROR_FILE_NOT_FOUND;
        }
        strText = CDesktopEntry::ExecToCommandLine(strText);
    }
    strValue = strText.c_str();
    return ERROR_SUCCESS;
}
