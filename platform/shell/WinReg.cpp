#include "platform/shell/WinReg.h"

#include <cstring>
#include <mutex>
#include <set>
#include <string>

#include "platform/core/CString.h"
#include "platform/shell/IAfxRegistry.h"

// An open key: its predefined root and its path below it.
struct HKEY__ {
    HKEY hRoot;
    std::string strPath;
};

namespace {

// The write rights, with DELETE, WRITE_DAC and WRITE_OWNER: all refused.
const REGSAM c_samWrite = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | 0x00010000 | 0x00040000 | 0x00080000;

std::mutex s_keysMutex;
std::set<HKEY> s_openKeys;

bool IsPredefined(HKEY hKey)
{
    return hKey == HKEY_CLASSES_ROOT || hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE;
}

std::string JoinPath(const std::string& strBase, LPCTSTR pszSubKey)
{
    if (pszSubKey == nullptr || *pszSubKey == '\0') {
        return strBase;
    }
    return strBase.empty() ? std::string(pszSubKey) : strBase + "\\" + pszSubKey;
}

// Where hKey plus lpSubKey points; FALSE for a handle that is neither a root nor open.
BOOL ResolveKey(HKEY hKey, LPCTSTR pszSubKey, HKEY& hRoot, std::string& strPath)
{
    if (IsPredefined(hKey)) {
        hRoot = hKey;
        strPath = JoinPath("", pszSubKey);
        return TRUE;
    }
    std::lock_guard<std::mutex> lock(s_keysMutex);
    if (s_openKeys.count(hKey) == 0) {
        return FALSE;
    }
    hRoot = hKey->hRoot;
    strPath = JoinPath(hKey->strPath, pszSubKey);
    return TRUE;
}

void ClearData(LPTSTR lpData, PLONG lpcbData)
{
    if (lpData != nullptr && lpcbData != nullptr && *lpcbData > 0) {
        lpData[0] = '\0';
    }
}

LONG CopyValue(const CString& strValue, LPTSTR lpData, PLONG lpcbData)
{
    LONG cbNeeded = strValue.GetLength() + 1;
    if (lpData == nullptr) {
        if (lpcbData != nullptr) {
            *lpcbData = cbNeeded;
        }
        return ERROR_SUCCESS;
    }
    if (*lpcbData < cbNeeded) {
        ClearData(lpData, lpcbData);
        *lpcbData = cbNeeded;
        return ERROR_MORE_DATA;
    }
    memcpy(lpData, static_cast<LPCTSTR>(strValue), static_cast<size_t>(cbNeeded));
    *lpcbData = cbNeeded;
    return ERROR_SUCCESS;
}

}  // namespace

LONG RegOpenKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD /*ulOptions*/, REGSAM samDesired, PHKEY phkResult)
{
    if (phkResult == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    *phkResult = nullptr;
    if ((samDesired & c_samWrite) != 0) {
        return ERROR_ACCESS_DENIED;
    }
    HKEY hRoot = nullptr;
    std::string strPath;
    if (!ResolveKey(hKey, lpSubKey, hRoot, strPath)) {
        return ERROR_INVALID_HANDLE;
    }
    CString strValue;
    LONG lResult = AfxGetRegistry()->QueryValue(hRoot, strPath.c_str(), strValue);
    if (lResult != ERROR_SUCCESS) {
        return lResult;
    }
    HKEY hOpened = new HKEY__{hRoot, strPath};
    std::lock_guard<std::mutex> lock(s_keysMutex);
    s_openKeys.insert(hOpened);
    *phkResult = hOpened;
    return ERROR_SUCCESS;
}

LONG RegQueryValue(HKEY hKey, LPCTSTR lpSubKey, LPTSTR lpData, PLONG lpcbData)
{
    if (lpData != nullptr && lpcbData == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    HKEY hRoot = nullptr;
    std::string strPath;
    if (!ResolveKey(hKey, lpSubKey, hRoot, strPath)) {
        ClearData(lpData, lpcbData);
        return ERROR_INVALID_HANDLE;
    }
    CString strValue;
    LONG lResult = AfxGetRegistry()->QueryValue(hRoot, strPath.c_str(), strValue);
    if (lResult != ERROR_SUCCESS) {
        ClearData(lpData, lpcbData);
        return lResult;
    }
    return CopyValue(strValue, lpData, lpcbData);
}

LONG RegCloseKey(HKEY hKey)
{
    if (IsPredefined(hKey)) {
        return ERROR_SUCCESS;
    }
    std::lock_guard<std::mutex> lock(s_keysMutex);
    if (s_openKeys.erase(hKey) == 0) {
        return ERROR_INVALID_HANDLE;
    }
    delete hKey;
    return ERROR_SUCCESS;
}
