// Starting a program from a command line, without a shell.
#pragma once

#include "platform/core/WinDef.h"
#include "platform/core/WinError.h"

struct SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
};
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

struct STARTUPINFO {
    DWORD cb;
    LPTSTR lpReserved;
    LPTSTR lpDesktop;
    LPTSTR lpTitle;
    DWORD dwX;
    DWORD dwY;
    DWORD dwXSize;
    DWORD dwYSize;
    DWORD dwXCountChars;
    DWORD dwYCountChars;
    DWORD dwFillAttribute;
    DWORD dwFlags;
    WORD wShowWindow;
    WORD cbReserved2;
    BYTE* lpReserved2;
    HANDLE hStdInput;
    HANDLE hStdOutput;
    HANDLE hStdError;
};
typedef STARTUPINFO* LPSTARTUPINFO;

struct PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
};
typedef PROCESS_INFORMATION* LPPROCESS_INFORMATION;

// Starts lpCommandLine through the installed process service (posix_spawnp by default):
// split by the Windows rules, never through a shell, the child reaped when it ends.
// lpApplicationName and lpEnvironment must be null (the caller's environment is used);
// security attributes, creation flags and the startup record are accepted and ignored,
// and the child inherits no descriptors beyond its standard input, output and error.
// Non-zero on success with both handles (each above 32) and the process id filled in;
// 0 on failure, with the reason in GetLastError().
BOOL CreateProcess(LPCTSTR lpApplicationName, LPTSTR lpCommandLine, LPSECURITY_ATTRIBUTES lpProcessAttributes,
                   LPSECURITY_ATTRIBUTES lpThreadAttributes, BOOL bInheritHandles, DWORD dwCreationFlags,
                   LPVOID lpEnvironment, LPCTSTR lpCurrentDirectory, LPSTARTUPINFO lpStartupInfo,
                   LPPROCESS_INFORMATION lpProcessInformation);

// Closes a handle that CreateProcess gave; FALSE (ERROR_INVALID_HANDLE) for any other.
// The process itself runs on.
BOOL CloseHandle(HANDLE hObject);
