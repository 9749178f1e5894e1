// The class registrations that opening a web page needs, answered from the desktop's
// MIME database:
//   HKEY_CLASSES_ROOT\.htm (and .html)      the desktop-file id of the default text/html
//                                           application, e.g. "firefox-esr.desktop"
//   HKEY_CLASSES_ROOT\ID                    that application's Name
//   HKEY_CLASSES_ROOT\ID\shell, ...\open    present, with no value
//   HKEY_CLASSES_ROOT\ID\shell\open\command its Exec line as a command line, "%1" for the file
// Key names compare without regard to case, apart from the id. Everything else is missing.
#pragma once

#include <string>
#include <vector>

#include "platform/shell/IAfxRegistry.h"

class CXdgRegistry : public IAfxRegistry {
public:
    LONG QueryValue(HKEY hRoot, LPCTSTR pszKey, CString& strValue) override;

private:
    static LONG QueryExtension(const std::vector<std::string>& names, CString& strValue);
    static LONG QueryApplication(const std::vector<std::string>& names, CString& strValue);
};
