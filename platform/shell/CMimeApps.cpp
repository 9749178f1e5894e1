#include "platform/shell/CMimeApps.h"

#include <sstream>

#include "platform/shell/CDesktopEntry.h"
#include "platform/shell/CKeyFile.h"
#include "platform/shell/CXdgPaths.h"

namespace {

void AddFolder(const std::string& strDir, const std::vector<std::string>& desktops, std::vector<std::string>& files)
{
    if (strDir.empty()) {
        return;
    }
    for (const std::string& strDesktop : desktops) {
        files.push_back(CXdgPaths::Join(strDir, strDesktop + "-mimeapps.list"));
    }
    files.push_back(CXdgPaths::Join(strDir, "mimeapps.list"));
}

// The first installed id of a ';'-separated list.
bool FirstInstalled(const std::string& strList, std::string& strId)
{
    std::istringstream stream(strList);
    std::string strItem;
    std::string strPath;
    while (std::getline(stream, strItem, ';')) {
        if (CDesktopEntry::Find(strItem, strPath)) {
            strId = strItem;
            return true;
        }
    }
    return false;
}

}  // namespace

BOOL CMimeApps::GetDefault(const std::string& strMimeType, std::string& strId)
{
    for (const std::string& strFile : ListFiles()) {
        CKeyFile file;
        std::string strList;
        if (file.Load(strFile) && file.GetValue("Default Applications", strMimeType, strList) &&
            FirstInstalled(strList, strId)) {
            return TRUE;
        }
    }
    return FALSE;
}

std::vector<std::string> CMimeApps::ListFiles()
{
    std::vector<std::string> desktops = CXdgPaths::CurrentDesktops();
    std::vector<std::string> files;
    AddFolder(CXdgPaths::ConfigHome(), desktops, files);
    for (const std::string& strDir : CXdgPaths::ConfigDirs()) {
        AddFolder(strDir, desktops, files);
    }
    AddFolder(CXdgPaths::Join(CXdgPaths::DataHome(), "applications"), desktops, files);
    for (const std::string& strDir : CXdgPaths::DataDirs()) {
        AddFolder(CXdgPaths::Join(strDir, "applications"), desktops, files);
    }
    return files;
}
