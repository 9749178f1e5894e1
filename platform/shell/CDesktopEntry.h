// An installed application's desktop entry (.desktop file).
#pragma once

#include <string>
#include <vector>

#include "platform/shell/CKeyFile.h"

class CDesktopEntry {
public:
    // Finds the file of desktop-file id strId in the applications folders of the data home
    // and then of the data folders; the first one found wins. A '-' in the id may stand for
    // a subfolder ("vendor-app.desktop" is also vendor/app.desktop). Ids that are not plain
    // "*.desktop" names are never found.
    static BOOL Find(const std::string& strId, std::string& strPath);

    BOOL Load(const std::string& strPath);
    // The entry's Name and Exec values, escapes resolved; FALSE when missing.
    BOOL GetName(std::string& strName) const;
    BOOL GetExec(std::string& strExec) const;

    // An Exec value as a Windows command line: its arguments (quoted by the desktop-entry
    // rules) re-quoted by the Windows rules, %f %F %u %U written as the placeholder %1, %%
    // as a literal % that never forms the placeholder, and the other field codes (%i %c
    // %k ...) dropped, with any argument that was nothing else.
    static std::string ExecToCommandLine(const std::string& strExec);
    // The arguments of an Exec value, field codes still in them.
    static std::vector<std::string> SplitExec(const std::string& strExec);

private:
    CKeyFile m_file;
};
