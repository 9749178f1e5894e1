// The desktop's default applications, from the mimeapps.list files.
#pragma once

#include <string>
#include <vector>

#include "platform/core/WinDef.h"

class CMimeApps {
public:
    // The desktop-file id of the default application for strMimeType: the first installed
    // entry on its line in [Default Applications], from the first file in ListFiles() that
    // names an installed one. FALSE when none does.
    static BOOL GetDefault(const std::string& strMimeType, std::string& strId);

    // The mimeapps.list files in the order they count: the config home, the config folders,
    // then the applications folders of the data home and of the data folders; in each,
    // the desktop-specific "NAME-mimeapps.list" files before the plain one.
    static std::vector<std::string> ListFiles();
};
