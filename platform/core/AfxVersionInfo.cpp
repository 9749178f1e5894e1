#include "platform/core/AfxVersionInfo.h"

#include "platform/core/AfxResource.h"

CString AfxGetFileVersionText()
{
    const AFX_VERSIONINFO* pInfo = static_cast<const AFX_VERSIONINFO*>(AfxFindResource(VS_VERSION_INFO, RT_VERSION));
    CString strVersion;
    if (pInfo != nullptr)
        strVersion.Format("%u.%u.%u.%u", pInfo->wFileVersion[0], pInfo->wFileVersion[1], pInfo->wFileVersion[2],
                          pInfo->wFileVersion[3]);
    return strVersion;
}
