// Opening a document or address with its associated program.
#pragma once

#include "platform/core/WinDef.h"

// Error results of ShellExecute; anything above 32 is success.
#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_OOM 8
#define SE_ERR_SHARE 26
#define SE_ERR_ASSOCINCOMPLETE 27
#define SE_ERR_DDETIMEOUT 28
#define SE_ERR_DDEFAIL 29
#define SE_ERR_DDEBUSY 30
#define SE_ERR_NOASSOC 31
#define SE_ERR_DLLNOTFOUND 32

// Runs the verb on lpFile through the installed shell service (xdg-open by default) and
// waits for it. Read the result as (INT_PTR): above 32 on success, otherwise 0 or an
// SE_ERR_ code. hwnd and nShowCmd are passed on; only the verb "open" (or null) is known.
HINSTANCE ShellExecute(HWND hwnd, LPCTSTR lpOperation, LPCTSTR lpFile, LPCTSTR lpParameters,
                       LPCTSTR lpDirectory, int nShowCmd);
