// brelvin-icons NAME FOLDER: the program's icon as the files of the desktop's hicolor
// theme, FOLDER/hicolor/NxN/apps/NAME.png and FOLDER/hicolor/scalable/apps/NAME.svg.
// Run at build time, so that the installed icons are the program's own pixels.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/gdi/AfxIcon.h"
#include "res/resource.h"
#include "tools/brelvin-icons/IconFiles.h"

namespace {

// The theme's sizes; 256 has no drawing of its own and is the 128 doubled.
const int kThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// FOLDER/hicolor/SUBFOLDER/apps/NAME.EXTENSION, its folders made.
std::string ThemeFile(const std::string& strFolder, const std::string& strSub, const std::string& strName,
                      const char* pszExtension, std::string& strError)
{
    const std::filesystem::path dir = std::filesystem::path(strFolder) / "hicolor" / strSub / "apps";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error)
        strError = "cannot make " + dir.string() + ": " + error.message();
    return (dir / (strName + pszExtension)).string();
}

bool WriteTheme(HICON hIcon, const std::string& strName, const std::string& strFolder, CString& strError)
{
    std::string strDirError;
    for (int cx : kThemeSizes) {
        const std::string strSize = std::to_string(cx) + "x" + std::to_string(cx);
        const std::string strPath = ThemeFile(strFolder, strSize, strName, ".png", strDirError);
        if (!strDirError.empty() || !WriteIconPng(strPath.c_str(), AfxGetIconImage(hIcon, cx), strError))
            break;
    }
    if (strDirError.empty() && strError.IsEmpty()) {
        const std::string strPath = ThemeFile(strFolder, "scalable", strName, ".svg", strDirError);
        if (strDirError.empty())
            WriteIconSvg(strPath.c_str(), hIcon->images.back(), strError);
    }
    if (!strDirError.empty())
        strError = strDirError.c_str();
    return strError.IsEmpty();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: brelvin-icons NAME FOLDER\n");
        return 2;
    }
    HICON hIcon = AfxLoadIcon(IDR_MAINFRAME);
    CString strError = hIcon == nullptr || hIcon->images.empty() ? "the program has no icon 128" : "";
    const bool bOk = strError.IsEmpty() && WriteTheme(hIcon, argv[1], argv[2], strError);
    DestroyIcon(hIcon);
    if (!bOk)
        std::fprintf(stderr, "brelvin-icons: %s\n", static_cast<LPCTSTR>(strError));
    return bOk ? 0 : 1;
}
