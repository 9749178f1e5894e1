// Allocation failure the framework's way. A hook (tests) may refuse any allocation that
// the framework makes; objects of the framework's classes then throw its memory exception,
// and its handles (device contexts, windows, ...) come back null, a failed result.
#pragma once

#include <cstddef>
#include <new>

#include "platform/core/WinDef.h"
#include "platform/core/WinError.h"

// TRUE lets the allocation go ahead. bObject: an object of a framework class.
typedef BOOL (*AFX_ALLOC_HOOK)(size_t nSize, BOOL bObject, LONG lRequestNumber);

// Installs the hook (null: none) and returns the one it replaces.
AFX_ALLOC_HOOK AfxSetAllocHook(AFX_ALLOC_HOOK pfnAllocHook);
// Asks the hook, if any, about one allocation.
BOOL AfxAllocAllowed(size_t nSize, BOOL bObject);

// Whether memory is too short for the program to run at all: a library that fails without
// saying why (fontconfig, SDL) most likely failed for want of memory then.
BOOL AfxIsMemoryShort();

// A framework record, or null when memory (or the hook) refuses it; the last error then
// says so, for a caller that can only tell that something failed.
template <typename T>
T* AfxNewRecord()
{
    T* p = AfxAllocAllowed(sizeof(T), FALSE) ? new (std::nothrow) T() : nullptr;
    if (p == nullptr)
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return p;
}
