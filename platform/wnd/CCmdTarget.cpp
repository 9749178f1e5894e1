#include "platform/wnd/CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY s_entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP s_map = {nullptr, &s_entries[0]};
    return &s_map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    BOOL bCommand = nMessage == WM_COMMAND || nMessage == WM_REFLECT_BASE + WM_COMMAND;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfn != nullptr; ++pEntry) {
            if (pEntry->nMessage != nMessage)
                continue;
            if (!bCommand || (pEntry->nCode == nCode && nID >= pEntry->nID && nID <= pEntry->nLastID))
                return pEntry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::DispatchMsg(UINT nMessage, UINT nCode, UINT nID, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(nMessage, nCode, nID);
    if (pEntry == nullptr)
        return FALSE;
    LRESULT lResult = 0;
    BOOL bHandled = pEntry->pfn(this, wParam, lParam, &lResult);
    if (pResult != nullptr)
        *pResult = lResult;
    return bHandled;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode)
{
    return DispatchMsg(WM_COMMAND, static_cast<UINT>(nCode), nID, 0, 0, nullptr);
}
