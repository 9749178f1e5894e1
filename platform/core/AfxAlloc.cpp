#include "platform/core/AfxAlloc.h"

namespace {

AFX_ALLOC_HOOK g_pfnAllocHook = nullptr;
LONG g_lRequestNumber = 0;

}  // namespace

AFX_ALLOC_HOOK AfxSetAllocHook(AFX_ALLOC_HOOK pfnAllocHook)
{
    AFX_ALLOC_HOOK pfnOld = g_pfnAllocHook;
    g_pfnAllocHook = pfnAllocHook;
    return pfnOld;
}

BOOL AfxAllocAllowed(size_t nSize, BOOL bObject)
{
    ++g_lRequestNumber;
    return g_pfnAllocHook == nullptr || g_pfnAllocHook(nSize, bObject, g_lRequestNumber);
}
