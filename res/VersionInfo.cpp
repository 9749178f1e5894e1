// The version information of the program.
#include "platform/core/AfxResource.h"
#include "platform/core/AfxVersionInfo.h"
#include "res/resource.h"

namespace {

const AFX_VERSION_STRING kStrings[] = {
    {"CompanyName", ""},
    {"FileDescription", "Brelvin MFC Application"},
    {"FileVersion", "1, 0, 0, 1"},
    {"InternalName", "Brelvin"},
    {"LegalTrademarks", ""},
    {"OriginalFilename", "Brelvin.EXE"},
    {"ProductName", "Brelvin Application"},
    {"ProductVersion", "1, 0, 0, 1"},
};

const AFX_VERSIONINFO kVersionInfo = {
    {1, 0, 0, 1}, {1, 0, 0, 1}, VOS__WINDOWS32, VFT_APP, 0x0409, 0x04B0, kStrings,
    sizeof(kStrings) / sizeof(kStrings[0])};

const AFX_RESOURCE s_version[] = {
    {RT_VERSION, VS_VERSION_INFO, &kVersionInfo},
};

const AFX_RESOURCE_INIT s_versionInit(s_version, sizeof(s_version) / sizeof(s_version[0]));

}  // namespace
