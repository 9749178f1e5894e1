// The version information agrees with itself and with the project's version: the numbers,
// their texts and the build's own version.
#include <gtest/gtest.h>

#include <string>

#include "platform/core/AfxResource.h"
#include "platform/core/AfxVersionInfo.h"
#include "res/resource.h"

namespace {

std::string Joined(const WORD (&wParts)[4], const char* pszSeparator)
{
    std::string str;
    for (int i = 0; i < 4; ++i)
        str += (i > 0 ? pszSeparator : "") + std::to_string(wParts[i]);
    return str;
}

std::string Value(const AFX_VERSIONINFO& info, const std::string& strName)
{
    for (int i = 0; i < info.nStrings; ++i) {
        if (strName == info.pStrings[i].lpszName)
            return info.pStrings[i].lpszValue;
    }
    return "(missing)";
}

TEST(VersionInfo, NumbersTextsAndTheBuildsVersionAgree)
{
    const AFX_VERSIONINFO* pInfo =
        static_cast<const AFX_VERSIONINFO*>(AfxFindResource(VS_VERSION_INFO, RT_VERSION));
    ASSERT_NE(pInfo, nullptr);
    EXPECT_EQ(Joined(pInfo->wFileVersion, "."), BRELVIN_PROJECT_VERSION);
    EXPECT_EQ(Joined(pInfo->wProductVersion, "."), BRELVIN_PROJECT_VERSION);
    EXPECT_EQ(Value(*pInfo, "FileVersion"), Joined(pInfo->wFileVersion, ", "));
    EXPECT_EQ(Value(*pInfo, "ProductVersion"), Joined(pInfo->wProductVersion, ", "));
    EXPECT_STREQ(AfxGetFileVersionText(), BRELVIN_PROJECT_VERSION);
}

}  // namespace
