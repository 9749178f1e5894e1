// A desktop key file, as desktop entries and mimeapps.list are: [Group] headers followed
// by key=value lines, '#' starting a comment line.
#pragma once

#include <map>
#include <string>

#include "platform/core/WinDef.h"

class CKeyFile {
public:
    // Reads the file; FALSE when it cannot be opened. Of a key given twice in a group the
    // first value counts.
    BOOL Load(const std::string& strPath);

    // The value as written; FALSE when the group or key is missing.
    BOOL GetValue(const std::string& strGroup, const std::string& strKey, std::string& strValue) const;
    // The value with the escapes \s, \n, \t, \r and \\ resolved.
    BOOL GetString(const std::string& strGroup, const std::string& strKey, std::string& strValue) const;

private:
    void ParseLine(const std::string& strLine, std::string& strGroup);

    std::map<std::string, std::map<std::string, std::string>> m_groups;
};
