// The read-only registry: class registrations looked up by key name.
#pragma once

#include "platform/core/WinDef.h"
#include "platform/core/WinError.h"

typedef DWORD REGSAM;
typedef HKEY* PHKEY;
typedef LONG* PLONG;

#define HKEY_CLASSES_ROOT ((HKEY)(UINT_PTR)(INT_PTR)(LONG)0x80000000)
#define HKEY_CURRENT_USER ((HKEY)(UINT_PTR)(INT_PTR)(LONG)0x80000001)
#define HKEY_LOCAL_MACHINE ((HKEY)(UINT_PTR)(INT_PTR)(LONG)0x80000002)

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_CREATE_LINK 0x0020
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006

// Opens lpSubKey (null or "" for hKey itself) under hKey, a predefined root or an open key.
// Any write access is refused with ERROR_ACCESS_DENIED; a missing key gives
// ERROR_FILE_NOT_FOUND. Close the key with RegCloseKey.
LONG RegOpenKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);

// Reads the default value of lpSubKey (null or "" for hKey itself) into lpData, whose size
// in bytes *lpcbData holds; on return *lpcbData holds the size of the value with its
// terminator. A value that does not fit gives ERROR_MORE_DATA and leaves an empty string
// in lpData (when it has room for one); nothing is ever written past *lpcbData bytes.
// With lpData null only the size is reported.
LONG RegQueryValue(HKEY hKey, LPCTSTR lpSubKey, LPTSTR lpData, PLONG lpcbData);

LONG RegCloseKey(HKEY hKey);
