// What the command line asks of the application. CWinApp::ParseCommandLine hands it each
// argument; an application with options of its own derives and overrides ParseParam.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class CCommandLineInfo : public CObject {
public:
    enum {
        FileNew,      // no arguments: start as usual
        AppHelp,      // --help
        AppVersion,   // --version
        AppBadParam,  // an argument the program does not take
    };

    CCommandLineInfo() = default;
    ~CCommandLineInfo() override = default;

    // pszParam is the argument without its "--" when bFlag is TRUE. The first refused
    // argument wins over everything; otherwise the first of --help and --version.
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);

    int m_nShellCommand = FileNew;
    CString m_strBadParam;  // the refused argument as it was given
    BOOL m_bBadFlag = FALSE;  // it looked like an option
};
