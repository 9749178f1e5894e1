#include "platform/shell/CXdgPaths.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace {

std::string GetEnv(const char* pszName)
{
    const char* pszValue = getenv(pszName);
    return pszValue != nullptr ? std::string(pszValue) : std::string();
}

bool IsAbsolute(const std::string& strPath) { return !strPath.empty() && strPath[0] == '/'; }

std::vector<std::string> SplitList(const std::string& strList, char chSeparator)
{
    std::vector<std::string> items;
    std::istringstream stream(strList);
    std::string strItem;
    while (std::getline(stream, strItem, chSeparator)) {
        if (!strItem.empty()) {
            items.push_back(strItem);
        }
    }
    return items;
}

std::string HomeFolder(const char* pszVariable, const char* pszBelowHome)
{
    std::string strValue = GetEnv(pszVariable);
    if (IsAbsolute(strValue)) {
        return strValue;
    }
    std::string strHome = GetEnv("HOME");
    return IsAbsolute(strHome) ? CXdgPaths::Join(strHome, pszBelowHome) : std::string();
}

std::vector<std::string> FolderList(const char* pszVariable, const char* pszDefault)
{
    std::string strValue = GetEnv(pszVariable);
    std::vector<std::string> folders;
    for (const std::string& strFolder : SplitList(strValue.empty() ? pszDefault : strValue, ':')) {
        if (IsAbsolute(strFolder)) {
            folders.push_back(strFolder);
        }
    }
    return folders;
}

}  // namespace

std::string CXdgPaths::ConfigHome() { return HomeFolder("XDG_CONFIG_HOME", ".config"); }

std::vector<std::string> CXdgPaths::ConfigDirs() { return FolderList("XDG_CONFIG_DIRS", "/etc/xdg"); }

std::string CXdgPaths::DataHome() { return HomeFolder("XDG_DATA_HOME", ".local/share"); }

std::vector<std::string> CXdgPaths::DataDirs()
{
    return FolderList("XDG_DATA_DIRS", "/usr/local/share/:/usr/share/");
}

std::vector<std::string> CXdgPaths::CurrentDesktops()
{
    std::vector<std::string> desktops = SplitList(GetEnv("XDG_CURRENT_DESKTOP"), ':');
    for (std::string& strDesktop : desktops) {
        for (char& ch : strDesktop) {
            ch = static_cast<char>(tolower(static_cast<unsigned char>(ch)));
        }
    }
    return desktops;
}

std::string CXdgPaths::Join(const std::string& strDir, const std::string& strName)
{
    if (strDir.empty()) {
        return std::string();
    }
    return strDir.back() == '/' ? strDir + strName : strDir + "/" + strName;
}
