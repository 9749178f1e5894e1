#include "platform/wnd/CCommandLineInfo.h"

#include <cstring>

void CCommandLineInfo::ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL)
{
    if (m_nShellCommand == AppBadParam)
        return;
    const bool bHelp = bFlag && std::strcmp(pszParam, "help") == 0;
    const bool bVersion = bFlag && std::strcmp(pszParam, "version") == 0;
    if (!bHelp && !bVersion) {
        m_nShellCommand = AppBadParam;
        m_strBadParam = bFlag ? CString("--") + pszParam : CString(pszParam);
        m_bBadFlag = bFlag;
    } else if (m_nShellCommand == FileNew) {
        m_nShellCommand = bHelp ? AppHelp : AppVersion;
    }
}
