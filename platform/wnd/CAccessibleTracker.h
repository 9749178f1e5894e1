// What the accessibility bus was last told of the program's windows, and the events that
// bring it up to date: windows shown and hidden, names, states, the active window and the
// focus. The items of a window are looked at again only when the window told of a change.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/backend/AfxAtspi.h"

class CAccessibleBridge;

class CAccessibleTracker {
public:
    explicit CAccessibleTracker(CAccessibleBridge& bridge) : m_bridge(bridge) {}

    // Sends the events of what changed since the last time; the first time, of the shown
    // windows, the active one and the focus.
    void Sync();
    // The items of a window changed.
    void ItemsChanged(AFX_ATSPI_ID idWindow) { m_changed.insert(idWindow); }

private:
    struct SEEN {
        AFX_ATSPI_ID idParent;
        int nIndex;
        std::string strName;
        uint64_t nStates;
    };
    typedef std::map<AFX_ATSPI_ID, SEEN> SEENMAP;

    void Walk(AFX_ATSPI_ID id, const SEEN& seen, bool bItems, SEENMAP& now, std::set<AFX_ATSPI_ID>& withItems);
    void SyncItems(const std::set<AFX_ATSPI_ID>& withItems);
    void Compare(const SEENMAP& before, const SEENMAP& now, bool bItems);
    void CompareKept(AFX_ATSPI_ID id, const SEEN& before, const SEEN& now, std::set<AFX_ATSPI_ID>& selections);
    void SyncActiveAndFocus(const SEENMAP& now);

    CAccessibleBridge& m_bridge;
    SEENMAP m_windows;
    std::map<AFX_ATSPI_ID, SEENMAP> m_items;  // by window
    std::set<AFX_ATSPI_ID> m_changed;
    AFX_ATSPI_ID m_idActive = AFX_ATSPI_NOBODY;
    AFX_ATSPI_ID m_idFocus = AFX_ATSPI_NOBODY;
};
