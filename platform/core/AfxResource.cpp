#include "platform/core/AfxResource.h"

#include <vector>

namespace {

std::vector<AFX_RESOURCE>& Registry()
{
    static std::vector<AFX_RESOURCE> s_resources;
    return s_resources;
}

}  // namespace

void AfxRegisterResources(const AFX_RESOURCE* pTable, size_t nCount)
{
    Registry().insert(Registry().end(), pTable, pTable + nCount);
}

const void* AfxFindResource(UINT nID, UINT nType)
{
    for (const AFX_RESOURCE& res : Registry()) {
        if (res.nID == nID && res.nType == nType) {
            return res.pData;
        }
    }
    return nullptr;
}
