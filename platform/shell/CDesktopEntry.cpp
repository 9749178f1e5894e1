#include "platform/shell/CDesktopEntry.h"

#include <sys/stat.h>

#include "platform/shell/AfxCommandLine.h"
#include "platform/shell/AfxSpawn.h"
#include "platform/shell/CXdgPaths.h"

namespace {

const char c_szGroup[] = "Desktop Entry";
const char c_szSuffix[] = ".desktop";

bool IsFile(const std::string& strPath)
{
    struct stat st;
    return stat(strPath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsPlainId(const std::string& strId)
{
    size_t nSuffix = sizeof(c_szSuffix) - 1;
    return strId.size() > nSuffix && strId.compare(strId.size() - nSuffix, nSuffix, c_szSuffix) == 0 &&
           strId[0] != '.' && strId[0] != '-' && strId.find('/') == std::string::npos;
}

// The id's file in strDir, trying each '-' as a subfolder separator.
bool FindIn(const std::string& strDir, const std::string& strId, std::string& strPath)
{
    std::string strCandidate = CXdgPaths::Join(strDir, strId);
    if (IsFile(strCandidate)) {
        strPath = strCandidate;
        return true;
    }
    for (size_t nDash = strId.find('-'); nDash != std::string::npos; nDash = strId.find('-', nDash + 1)) {
        std::string strSub = CXdgPaths::Join(strDir, strId.substr(0, nDash));
        if (AfxIsDirectory(strSub.c_str()) && FindIn(strSub, strId.substr(nDash + 1), strPath)) {
            return true;
        }
    }
    return false;
}

// Inside quotes a backslash escapes " ` $ and itself.
size_t ReadQuoted(const std::string& strExec, size_t i, std::string& strArg)
{
    for (++i; i < strExec.size() && strExec[i] != '"'; ++i) {
        if (strExec[i] == '\\' && i + 1 < strExec.size()) {
            ++i;
        }
        strArg += strExec[i];
    }
    return i < strExec.size() ? i + 1 : i;
}

// The argument's literal pieces, split where a file or URL field code stood; false when it
// was nothing but codes that are dropped.
bool MapFieldCodes(const std::string& strArg, std::vector<std::string>& pieces)
{
    bool bDropped = false;
    pieces.assign(1, std::string());
    for (size_t i = 0; i < strArg.size(); ++i) {
        if (strArg[i] != '%' || i + 1 == strArg.size()) {
            pieces.back() += strArg[i];
            continue;
        }
        char chCode = strArg[++i];
        if (chCode == '%') {
            pieces.back() += '%';
        } else if (chCode == 'f' || chCode == 'F' || chCode == 'u' || chCode == 'U') {
            pieces.emplace_back();
        } else {
            bDropped = true;
        }
    }
    return !(bDropped && pieces.size() == 1 && pieces[0].empty());
}

}  // namespace

BOOL CDesktopEntry::Find(const std::string& strId, std::string& strPath)
{
    if (!IsPlainId(strId)) {
        return FALSE;
    }
    std::vector<std::string> dataDirs = CXdgPaths::DataDirs();
    dataDirs.insert(dataDirs.begin(), CXdgPaths::DataHome());
    for (const std::string& strDataDir : dataDirs) {
        std::string strApps = CXdgPaths::Join(strDataDir, "applications");
        if (!strApps.empty() && FindIn(strApps, strId, strPath)) {
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CDesktopEntry::Load(const std::string& strPath) { return m_file.Load(strPath); }

BOOL CDesktopEntry::GetName(std::string& strName) const { return m_file.GetString(c_szGroup, "Name", strName); }

BOOL CDesktopEntry::GetExec(std::string& strExec) const { return m_file.GetString(c_szGroup, "Exec", strExec); }

std::vector<std::string> CDesktopEntry::SplitExec(const std::string& strExec)
{
    std::vector<std::string> args;
    size_t i = 0;
    while (i < strExec.size()) {
        if (strExec[i] == ' ' || strExec[i] == '\t') {
            ++i;
            continue;
        }
        std::string strArg;
        while (i < strExec.size() && strExec[i] != ' ' && strExec[i] != '\t') {
            if (strExec[i] == '"') {
                i = ReadQuoted(strExec, i, strArg);
            } else {
                strArg += strExec[i++];
            }
        }
        args.push_back(strArg);
    }
    return args;
}

std::string CDesktopEntry::ExecToCommandLine(const std::string& strExec)
{
    std::vector<std::vector<std::string>> args;
    for (const std::string& strArg : SplitExec(strExec)) {
        std::vector<std::string> pieces;
        if (MapFieldCodes(strArg, pieces)) {
            args.push_back(pieces);
        }
    }
    return AfxJoinCommandTemplate(args);
}
