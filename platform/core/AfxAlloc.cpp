#include "platform/core/AfxAlloc.h"

#include <cstdlib>

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

BOOL AfxIsMemoryShort()
{
    // As much as a start of the program takes; only reserved, never touched.
    const size_t kNeeded = 8u << 20;
    void* volatile p = std::malloc(kNeeded);
    const BOOL bShort = p == nullptr;
    std::free(p);
    return bShort;
}

BOOL AfxAllocAllowed(size_t nSize, BOOL bObject)
{
    ++g_lRequestNumber;
    return g_pfnAllocHook == nullptr || g_pfnAllocHook(nSize, bObject, g_lRequestNumber);
}
