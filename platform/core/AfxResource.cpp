#include "platform/core/AfxResource.h"

namespace {

const AFX_RESOURCE_INIT* g_pFirst = nullptr;
const AFX_RESOURCE_INIT* g_pLast = nullptr;

}  // namespace

// In the order of registration: the first table that has an id answers for it.
AFX_RESOURCE_INIT::AFX_RESOURCE_INIT(const AFX_RESOURCE* pTable, size_t nCount) : m_pTable(pTable), m_nCount(nCount)
{
    (g_pLast != nullptr ? g_pLast->m_pNext : g_pFirst) = this;
    g_pLast = this;
}

const void* AfxFindResource(UINT nID, UINT nType)
{
    for (const AFX_RESOURCE_INIT* pInit = g_pFirst; pInit != nullptr; pInit = pInit->m_pNext) {
        for (size_t i = 0; i < pInit->m_nCount; ++i) {
            const AFX_RESOURCE& res = pInit->m_pTable[i];
            if (res.nID == nID && res.nType == nType) {
                return res.pData;
            }
        }
    }
    return nullptr;
}
