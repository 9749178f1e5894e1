#include "platform/wnd/CAccessibleBridge.h"

#include "platform/wnd/AfxAccessible.h"
#include "platform/wnd/AfxWindow.h"
#include "platform/wnd/CAccessibleTracker.h"

namespace {

// A window's node id is its number in the upper half; an item's adds the generation of
// the window's items and the item's number.
const int kWindowShift = 32;
const int kGenerationShift = 16;
const AFX_ATSPI_ID kItemMask = 0xFFFF;

std::unique_ptr<CAccessibleBridge>& TheBridge()
{
    static std::unique_ptr<CAccessibleBridge> s_pBridge;
    return s_pBridge;
}

HWND FindNumbered(const std::vector<HWND>& windows, UINT nNumber)
{
    for (HWND hWnd : windows) {
        if (hWnd->nAccessibleId == nNumber)
            return hWnd;
        HWND hFound = FindNumbered(hWnd->children, nNumber);
        if (hFound != nullptr)
            return hFound;
    }
    return nullptr;
}

BOOL IsShownChild(HWND hWnd) { return (hWnd->dwStyle & WS_VISIBLE) != 0 && !hWnd->bDestroying; }

}  // namespace

CAccessibleBridge::CAccessibleBridge() : m_pTracker(new CAccessibleTracker(*this)) {}

CAccessibleBridge::~CAccessibleBridge() = default;

void CAccessibleBridge::Install(LPCTSTR lpszAppName)
{
    TheBridge().reset(new CAccessibleBridge);
    TheBridge()->m_strAppName = lpszAppName;
    AfxAtspiSetProvider(TheBridge().get(), lpszAppName);
}

void CAccessibleBridge::Uninstall()
{
    AfxAtspiStop();
    TheBridge().reset();
}

CAccessibleBridge* CAccessibleBridge::GetBridge() { return TheBridge().get(); }

std::vector<HWND> CAccessibleBridge::GetShownWindows()
{
    std::vector<HWND> shown;
    for (HWND hTop : AfxGetTopLevelWindows()) {
        if (hTop->bShown && !hTop->bDestroying)
            shown.push_back(hTop);
    }
    return shown;
}

AFX_ATSPI_ID CAccessibleBridge::IdOf(HWND hWnd, int nItem)
{
    if (hWnd->nAccessibleId == 0)
        hWnd->nAccessibleId = m_nNextId++;
    const AFX_ATSPI_ID id = static_cast<AFX_ATSPI_ID>(hWnd->nAccessibleId) << kWindowShift;
    if (nItem == CHILDID_SELF)
        return id;
    return id | (static_cast<AFX_ATSPI_ID>(GenerationOf(hWnd)) << kGenerationShift) | static_cast<AFX_ATSPI_ID>(nItem);
}

UINT CAccessibleBridge::GenerationOf(HWND hWnd)
{
    auto it = m_generations.find(hWnd->nAccessibleId);
    return it != m_generations.end() ? it->second : 1;
}

// Null for a window that is gone, or an item of a generation that was replaced.
HWND CAccessibleBridge::WindowOf(AFX_ATSPI_ID id, int* pnItem)
{
    const UINT nNumber = static_cast<UINT>(id >> kWindowShift);
    HWND hWnd = nNumber != 0 ? FindNumbered(AfxGetTopLevelWindows(), nNumber) : nullptr;
    if (hWnd == nullptr || hWnd->bDestroying)
        return nullptr;
    *pnItem = static_cast<int>(id & kItemMask);
    const UINT nGeneration = static_cast<UINT>((id >> kGenerationShift) & kItemMask);
    const BOOL bCurrent = *pnItem == CHILDID_SELF ? nGeneration == 0 : nGeneration == GenerationOf(hWnd);
    return bCurrent ? hWnd : nullptr;
}

BOOL CAccessibleBridge::Describe(AFX_ATSPI_ID id, AFX_ATSPI_NODE* pNode)
{
    if (id == AFX_ATSPI_APP) {
        DescribeApplication(pNode);
        return TRUE;
    }
    int nItem = CHILDID_SELF;
    HWND hWnd = WindowOf(id, &nItem);
    if (hWnd == nullptr)
        return FALSE;
    if (nItem != CHILDID_SELF)
        return DescribeItem(hWnd, nItem, pNode);
    DescribeWindow(hWnd, pNode);
    return TRUE;
}

void CAccessibleBridge::DescribeApplication(AFX_ATSPI_NODE* pNode)
{
    pNode->nRole = AFX_ATSPI_ROLE_APPLICATION;
    pNode->strName = m_strAppName.GetString();
    for (HWND hTop : GetShownWindows())
        pNode->children.push_back(IdOf(hTop));
}

void CAccessibleBridge::DescribeWindow(HWND hWnd, AFX_ATSPI_NODE* pNode)
{
    AFX_ACCITEM item;
    AfxDescribeWindow(hWnd, &item);
    IAfxAccessible* pAcc = AfxGetAccessible(hWnd);
    if (pAcc != nullptr)
        pAcc->GetItem(CHILDID_SELF, &item);
    AfxItemToNode(hWnd, CHILDID_SELF, item, pNode);
    pNode->idParent = hWnd->hParent != nullptr ? IdOf(hWnd->hParent) : AFX_ATSPI_APP;
    for (HWND hChild : hWnd->children) {
        if (IsShownChild(hChild))
            pNode->children.push_back(IdOf(hChild));
    }
    if (pAcc != nullptr)
        AddItems(hWnd, pAcc, CHILDID_SELF, pNode);
}

// An item is no more enabled or visible than the window that draws it.
BOOL CAccessibleBridge::DescribeItem(HWND hWnd, int nItem, AFX_ATSPI_NODE* pNode)
{
    IAfxAccessible* pAcc = AfxGetAccessible(hWnd);
    AFX_ACCITEM window, item;
    if (pAcc == nullptr || !pAcc->GetItem(nItem, &item))
        return FALSE;
    AfxDescribeWindow(hWnd, &window);
    item.dwState |= window.dwState & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE);
    AfxItemToNode(hWnd, nItem, item, pNode);
    pNode->idParent = IdOf(hWnd, item.nParent);
    AddItems(hWnd, pAcc, nItem, pNode);
    return TRUE;
}

void CAccessibleBridge::AddItems(HWND hWnd, IAfxAccessible* pAcc, int nItem, AFX_ATSPI_NODE* pNode)
{
    const int nCount = pAcc->GetChildCount(nItem);
    for (int i = 0; i < nCount; ++i) {
        const int nChild = pAcc->GetChild(nItem, i);
        if (nChild > CHILDID_SELF && static_cast<AFX_ATSPI_ID>(nChild) <= kItemMask)
            pNode->children.push_back(IdOf(hWnd, nChild));
    }
}

BOOL CAccessibleBridge::DoAction(AFX_ATSPI_ID id)
{
    int nItem = CHILDID_SELF;
    HWND hWnd = WindowOf(id, &nItem);
    AFX_ATSPI_NODE node;
    if (hWnd == nullptr || !Describe(id, &node) || (node.nStates & AfxAtspiBit(AFX_ATSPI_STATE_ENABLED)) == 0 ||
        (node.nStates & AfxAtspiBit(AFX_ATSPI_STATE_SHOWING)) == 0 || node.strAction.empty())
        return FALSE;
    IAfxAccessible* pAcc = AfxGetAccessible(hWnd);
    if (pAcc != nullptr && pAcc->DoDefaultAction(nItem))
        return TRUE;
    return nItem == CHILDID_SELF && AfxPostWindowClick(hWnd);
}

// Setting the focus runs no loop: it is done at once.
BOOL CAccessibleBridge::GrabFocus(AFX_ATSPI_ID id)
{
    int nItem = CHILDID_SELF;
    HWND hWnd = WindowOf(id, &nItem);
    AFX_ATSPI_NODE node;
    if (hWnd == nullptr || nItem != CHILDID_SELF || !Describe(id, &node) ||
        (node.nStates & AfxAtspiBit(AFX_ATSPI_STATE_FOCUSABLE)) == 0 ||
        (node.nStates & AfxAtspiBit(AFX_ATSPI_STATE_ENABLED)) == 0)
        return FALSE;
    SetFocus(hWnd);
    return GetFocus() == hWnd;
}

// The bus is started once the first window is on the screen, after its first frame.
void CAccessibleBridge::OnIdle()
{
    if (!m_bStarted) {
        if (GetShownWindows().empty())
            return;
        m_bStarted = TRUE;
        AfxAtspiStart();
    }
    if (AfxAtspiIsRegistered())
        m_pTracker->Sync();
}

void CAccessibleBridge::Notify(DWORD event, HWND hWnd, LONG idChild)
{
    if (!IsWindow(hWnd))
        return;
    if (event == EVENT_OBJECT_REORDER) {
        const UINT nGeneration = GenerationOf(hWnd);
        IdOf(hWnd);
        m_generations[hWnd->nAccessibleId] = nGeneration >= kItemMask ? 1 : nGeneration + 1;
    }
    if (event == EVENT_OBJECT_FOCUS) {
        IdOf(hWnd);
        m_nFocusWnd = hWnd->nAccessibleId;
        m_nFocusItem = idChild;
        m_hFocusThen = GetFocus();
    }
    m_pTracker->ItemsChanged(IdOf(hWnd));
}

AFX_ATSPI_ID CAccessibleBridge::GetFocusId()
{
    int nItem = CHILDID_SELF;
    HWND hTold = m_nFocusWnd != 0 && GetFocus() == m_hFocusThen
                     ? WindowOf(static_cast<AFX_ATSPI_ID>(m_nFocusWnd) << kWindowShift, &nItem)
                     : nullptr;
    if (hTold != nullptr && AfxIsDrawable(hTold))
        return IdOf(hTold, m_nFocusItem);
    m_nFocusWnd = 0;
    HWND hFocus = GetFocus();
    return hFocus != nullptr && AfxIsDrawable(hFocus) ? IdOf(hFocus) : AFX_ATSPI_NOBODY;
}

AFX_ATSPI_ID CAccessibleBridge::GetActiveId()
{
    HWND hActive = GetActiveWindow();
    return IsWindow(hActive) && hActive->bShown && !AfxIsPopupWindow(hActive) ? IdOf(hActive) : AFX_ATSPI_NOBODY;
}

void NotifyWinEvent(DWORD event, HWND hwnd, LONG idObject, LONG idChild)
{
    CAccessibleBridge* pBridge = CAccessibleBridge::GetBridge();
    if (pBridge != nullptr && idObject == OBJID_CLIENT)
        pBridge->Notify(event, hwnd, idChild);
}
