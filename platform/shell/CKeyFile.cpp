#include "platform/shell/CKeyFile.h"

#include <fstream>

namespace {

std::string Trim(const std::string& str)
{
    size_t nFirst = str.find_first_not_of(" \t\r");
    if (nFirst == std::string::npos) {
        return std::string();
    }
    size_t nLast = str.find_last_not_of(" \t\r");
    return str.substr(nFirst, nLast - nFirst + 1);
}

char Unescape(char ch)
{
    switch (ch) {
    case 's':
        return ' ';
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case 'r':
        return '\r';
    default:
        return ch;
    }
}

}  // namespace

BOOL CKeyFile::Load(const std::string& strPath)
{
    std::ifstream file(strPath);
    if (!file) {
        return FALSE;
    }
    m_groups.clear();
    std::string strGroup;
    std::string strLine;
    while (std::getline(file, strLine)) {
        ParseLine(strLine, strGroup);
    }
    return TRUE;
}

void CKeyFile::ParseLine(const std::string& strLine, std::string& strGroup)
{
    std::string strTrimmed = Trim(strLine);
    if (strTrimmed.empty() || strTrimmed[0] == '#') {
        return;
    }
    if (strTrimmed[0] == '[') {
        size_t nEnd = strTrimmed.find(']');
        strGroup = nEnd == std::string::npos ? std::string() : strTrimmed.substr(1, nEnd - 1);
        return;
    }
    size_t nEquals = strTrimmed.find('=');
    if (nEquals == std::string::npos || strGroup.empty()) {
        return;
    }
    // emplace keeps the first value of a key given twice
    m_groups[strGroup].emplace(Trim(strTrimmed.substr(0, nEquals)), Trim(strTrimmed.substr(nEquals + 1)));
}

BOOL CKeyFile::GetValue(const std::string& strGroup, const std::string& strKey, std::string& strValue) const
{
    auto group = m_groups.find(strGroup);
    if (group == m_groups.end()) {
        return FALSE;
    }
    auto entry = group->second.find(strKey);
    if (entry == group->second.end()) {
        return FALSE;
    }
    strValue = entry->second;
    return TRUE;
}

BOOL CKeyFile::GetString(const std::string& strGroup, const std::string& strKey, std::string& strValue) const
{
    std::string strRaw;
    if (!GetValue(strGroup, strKey, strRaw)) {
        return FALSE;
    }
    strValue.clear();
    for (size_t i = 0; i < strRaw.size(); ++i) {
        if (strRaw[i] == '\\' && i + 1 < strRaw.size()) {
            strValue += Unescape(strRaw[++i]);
        } else {
            strValue += strRaw[i];
        }
    }
    return TRUE;
}
