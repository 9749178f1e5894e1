// The XDG base folders, from the environment with the usual defaults. Relative paths in
// the variables are ignored, as the base-directory rules ask.
#pragma once

#include <string>
#include <vector>

class CXdgPaths {
public:
    // $XDG_CONFIG_HOME, else ~/.config ("" without a home folder).
    static std::string ConfigHome();
    // $XDG_CONFIG_DIRS, else /etc/xdg.
    static std::vector<std::string> ConfigDirs();
    // $XDG_DATA_HOME, else ~/.local/share ("" without a home folder).
    static std::string DataHome();
    // $XDG_DATA_DIRS, else /usr/local/share and /usr/share.
    static std::vector<std::string> DataDirs();
    // $XDG_CURRENT_DESKTOP's names in lower case, as desktop-specific file names use them.
    static std::vector<std::string> CurrentDesktops();

    // strDir/strName ("" when strDir is "").
    static std::string Join(const std::string& strDir, const std::string& strName);
};
