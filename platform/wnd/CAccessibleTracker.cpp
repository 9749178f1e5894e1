#include "platform/wnd/CAccessibleTracker.h"

#include <iterator>

#include "platform/wnd/CAccessibleBridge.h"

namespace {

// Focus and activation have events of their own.
const uint64_t kOwnEvents = AfxAtspiBit(AFX_ATSPI_STATE_FOCUSED) | AfxAtspiBit(AFX_ATSPI_STATE_ACTIVE);
const int kStateBits = 64;

}  // namespace

void CAccessibleTracker::Walk(AFX_ATSPI_ID id, const SEEN& seen, bool bItems, SEENMAP& now,
                              std::set<AFX_ATSPI_ID>& withItems)
{
    AFX_ATSPI_NODE node;
    if (id != AFX_ATSPI_APP) {
        if (!m_bridge.Describe(id, &node))
            return;
        now[id] = SEEN{seen.idParent, seen.nIndex, node.strName, node.nStates};
    } else {
        m_bridge.Describe(id, &node);
    }
    for (size_t i = 0; i < node.children.size(); ++i) {
        const AFX_ATSPI_ID idChild = node.children[i];
        if (CAccessibleBridge::IsItem(idChild) != bItems) {
            withItems.insert(id);
            continue;
        }
        Walk(idChild, SEEN{id, static_cast<int>(i), std::string(), 0}, bItems, now, withItems);
    }
}

void CAccessibleTracker::Sync()
{
    SEENMAP now;
    std::set<AFX_ATSPI_ID> withItems;
    Walk(AFX_ATSPI_APP, SEEN{AFX_ATSPI_NOBODY, -1, std::string(), 0}, false, now, withItems);
    Compare(m_windows, now, false);
    m_windows.swap(now);
    SyncItems(withItems);
    SyncActiveAndFocus(m_windows);
}

// A window's items are looked at once when it shows, and again when it tells of a change.
void CAccessibleTracker::SyncItems(const std::set<AFX_ATSPI_ID>& withItems)
{
    for (auto it = m_items.begin(); it != m_items.end();)
        it = withItems.count(it->first) != 0 ? std::next(it) : m_items.erase(it);
    for (AFX_ATSPI_ID idWindow : withItems) {
        auto it = m_items.find(idWindow);
        if (it != m_items.end() && m_changed.count(idWindow) == 0)
            continue;
        SEENMAP items;
        std::set<AFX_ATSPI_ID> windows;
        AFX_ATSPI_NODE node;
        if (!m_bridge.Describe(idWindow, &node))
            continue;
        for (size_t i = 0; i < node.children.size(); ++i) {
            if (CAccessibleBridge::IsItem(node.children[i]))
                Walk(node.children[i], SEEN{idWindow, static_cast<int>(i), std::string(), 0}, true, items, windows);
        }
        if (it != m_items.end())
            Compare(it->second, items, true);
        m_items[idWindow].swap(items);
    }
    m_changed.clear();
}

// Only the topmost node of what appeared or went is told of, under the parent that
// stays. A node that takes the place of another is told apart from it by name and state.
void CAccessibleTracker::Compare(const SEENMAP& before, const SEENMAP& now, bool bItems)
{
    auto isIn = [bItems](const SEENMAP& map, AFX_ATSPI_ID id) {
        return id == AFX_ATSPI_APP || map.count(id) != 0 || (bItems && !CAccessibleBridge::IsItem(id));
    };
    std::set<AFX_ATSPI_ID> selections;
    for (const auto& gone : before) {
        if (now.count(gone.first) != 0 || !isIn(now, gone.second.idParent))
            continue;
        AfxAtspiEmitChildrenChanged(gone.second.idParent, FALSE, gone.second.nIndex, gone.first);
        if (gone.second.idParent == AFX_ATSPI_APP)
            AfxAtspiEmitWindow(gone.first, "Destroy", gone.second.strName);
    }
    for (const auto& node : now) {
        auto itBefore = before.find(node.first);
        if (itBefore != before.end()) {
            CompareKept(node.first, itBefore->second, node.second, selections);
            continue;
        }
        if (!isIn(before, node.second.idParent))
            continue;
        AfxAtspiEmitChildrenChanged(node.second.idParent, TRUE, node.second.nIndex, node.first);
        if (node.second.idParent == AFX_ATSPI_APP)
            AfxAtspiEmitWindow(node.first, "Create", node.second.strName);
        for (const auto& gone : before) {
            if (now.count(gone.first) == 0 && gone.second.idParent == node.second.idParent &&
                gone.second.nIndex == node.second.nIndex)
                CompareKept(node.first, gone.second, node.second, selections);
        }
    }
    for (AFX_ATSPI_ID id : selections)
        AfxAtspiEmitSelectionChanged(id);
}

void CAccessibleTracker::CompareKept(AFX_ATSPI_ID id, const SEEN& before, const SEEN& now,
                                     std::set<AFX_ATSPI_ID>& selections)
{
    if (before.strName != now.strName)
        AfxAtspiEmitNameChanged(id, now.strName);
    const uint64_t nChanged = (before.nStates ^ now.nStates) & ~kOwnEvents;
    for (int nState = 0; nState < kStateBits; ++nState) {
        if (nChanged & AfxAtspiBit(nState))
            AfxAtspiEmitStateChanged(id, nState, (now.nStates & AfxAtspiBit(nState)) != 0);
    }
    if (nChanged & AfxAtspiBit(AFX_ATSPI_STATE_SELECTED))
        selections.insert(now.idParent);
}

void CAccessibleTracker::SyncActiveAndFocus(const SEENMAP& now)
{
    const AFX_ATSPI_ID idActive = m_bridge.GetActiveId();
    if (idActive != m_idActive) {
        auto itOld = now.find(m_idActive);
        if (itOld != now.end()) {
            AfxAtspiEmitStateChanged(m_idActive, AFX_ATSPI_STATE_ACTIVE, FALSE);
            AfxAtspiEmitWindow(m_idActive, "Deactivate", itOld->second.strName);
        }
        auto itNew = now.find(idActive);
        if (itNew != now.end()) {
            AfxAtspiEmitStateChanged(idActive, AFX_ATSPI_STATE_ACTIVE, TRUE);
            AfxAtspiEmitWindow(idActive, "Activate", itNew->second.strName);
        }
        m_idActive = idActive;
    }
    const AFX_ATSPI_ID idFocus = m_bridge.GetFocusId();
    if (idFocus == m_idFocus)
        return;
    AFX_ATSPI_NODE node;
    if (m_idFocus != AFX_ATSPI_NOBODY && m_bridge.Describe(m_idFocus, &node))
        AfxAtspiEmitStateChanged(m_idFocus, AFX_ATSPI_STATE_FOCUSED, FALSE);
    if (idFocus != AFX_ATSPI_NOBODY) {
        AfxAtspiEmitStateChanged(idFocus, AFX_ATSPI_STATE_FOCUSED, TRUE);
        AfxAtspiEmitFocus(idFocus);
    }
    m_idFocus = idFocus;
}
