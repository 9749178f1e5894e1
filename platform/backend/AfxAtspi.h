// The accessibility bus: AT-SPI2 over D-Bus, spoken through sd-bus. The connection, the
// registration with the registry, the objects' interfaces and the events. It knows no
// windows: every object is a node id that a provider describes when asked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/WinDef.h"

typedef uint64_t AFX_ATSPI_ID;
#define AFX_ATSPI_APP ((AFX_ATSPI_ID)0)
#define AFX_ATSPI_NOBODY (~(AFX_ATSPI_ID)0)

// The roles and states in use, with AT-SPI's numbers.
enum AFX_ATSPI_ROLE {
    AFX_ATSPI_ROLE_CALENDAR = 5,
    AFX_ATSPI_ROLE_COLUMN_HEADER = 10,
    AFX_ATSPI_ROLE_DIALOG = 16,
    AFX_ATSPI_ROLE_FILLER = 20,
    AFX_ATSPI_ROLE_FRAME = 23,
    AFX_ATSPI_ROLE_ICON = 26,
    AFX_ATSPI_ROLE_LABEL = 29,
    AFX_ATSPI_ROLE_MENU = 33,
    AFX_ATSPI_ROLE_MENU_ITEM = 35,
    AFX_ATSPI_ROLE_PANEL = 39,
    AFX_ATSPI_ROLE_PUSH_BUTTON = 43,
    AFX_ATSPI_ROLE_SEPARATOR = 50,
    AFX_ATSPI_ROLE_TABLE = 55,
    AFX_ATSPI_ROLE_TABLE_CELL = 56,
    AFX_ATSPI_ROLE_TOOL_TIP = 64,
    AFX_ATSPI_ROLE_UNKNOWN = 67,
    AFX_ATSPI_ROLE_APPLICATION = 75,
    AFX_ATSPI_ROLE_LINK = 88,
};

enum AFX_ATSPI_STATE {
    AFX_ATSPI_STATE_ACTIVE = 1,
    AFX_ATSPI_STATE_ENABLED = 8,
    AFX_ATSPI_STATE_FOCUSABLE = 11,
    AFX_ATSPI_STATE_FOCUSED = 12,
    AFX_ATSPI_STATE_MODAL = 16,
    AFX_ATSPI_STATE_SELECTABLE = 22,
    AFX_ATSPI_STATE_SELECTED = 23,
    AFX_ATSPI_STATE_SENSITIVE = 24,
    AFX_ATSPI_STATE_SHOWING = 25,
    AFX_ATSPI_STATE_SINGLE_LINE = 26,
    AFX_ATSPI_STATE_VISIBLE = 30,
    AFX_ATSPI_STATE_IS_DEFAULT = 39,
    AFX_ATSPI_STATE_VISITED = 40,
    AFX_ATSPI_STATE_READ_ONLY = 43,
};

inline uint64_t AfxAtspiBit(int nState) { return uint64_t(1) << nState; }

// Interfaces a node has besides Accessible and Component.
enum AFX_ATSPI_INTERFACE {
    AFX_ATSPI_ACTION = 0x01,
    AFX_ATSPI_TEXT = 0x02,
    AFX_ATSPI_TABLE = 0x04,
    AFX_ATSPI_TABLECELL = 0x08,
    AFX_ATSPI_SELECTION = 0x10,
    AFX_ATSPI_HYPERLINK = 0x20,
};

struct AFX_ATSPI_NODE {
    int nRole = AFX_ATSPI_ROLE_UNKNOWN;
    std::string strName;
    std::string strDescription;
    uint64_t nStates = 0;           // AfxAtspiBit of each state
    RECT rcScreen = {0, 0, 0, 0};   // device pixels
    POINT ptWindow = {0, 0};        // the top-level window's place on the screen, device pixels
    AFX_ATSPI_ID idParent = AFX_ATSPI_NOBODY;
    std::vector<AFX_ATSPI_ID> children;
    UINT nInterfaces = 0;
    std::string strAction;          // the one action, with AFX_ATSPI_ACTION
    std::string strText;            // with AFX_ATSPI_TEXT
    std::string strUri;             // with AFX_ATSPI_HYPERLINK
    int nRows = 0;                  // tables
    int nColumns = 0;
    int nRow = -1;                  // cells and column headers
    int nColumn = -1;
};

// What the bus asks of the program. Called only while the program waits.
class IAfxAtspiProvider {
public:
    virtual ~IAfxAtspiProvider() = default;
    // FALSE for a node that is gone.
    virtual BOOL Describe(AFX_ATSPI_ID id, AFX_ATSPI_NODE* pNode) = 0;
    // Starts the node's action as a click would and returns at once; FALSE when it has none
    // or cannot act now.
    virtual BOOL DoAction(AFX_ATSPI_ID id) = 0;
    virtual BOOL GrabFocus(AFX_ATSPI_ID id) = 0;
    // The program is about to wait: the moment to start the bus, and to tell what changed.
    virtual void OnIdle() = 0;
};

// The provider and the application's name, before anything else.
void AfxAtspiSetProvider(IAfxAtspiProvider* pProvider, LPCTSTR lpszAppName);
// Begins the registration, without waiting for anything: nothing happens when NO_AT_BRIDGE
// is 1 or when there is no session bus that knows the accessibility bus (or no
// AT_SPI_BUS_ADDRESS). Once only.
void AfxAtspiStart();
// Whether the registry has the application: only then do events go out.
BOOL AfxAtspiIsRegistered();
// Drops the connections.
void AfxAtspiStop();

// Waits up to nTimeoutMs (negative: for ever) for input on fd (-1: none), serving the bus
// meanwhile; TRUE when the bus brought something, which may have queued messages.
BOOL AfxBackendWaitForInput(int fd, int nTimeoutMs);
// Whether the bus brought something since the last call.
BOOL AfxAtspiTakeWakeUp();

// Events.
void AfxAtspiEmitStateChanged(AFX_ATSPI_ID id, int nState, BOOL bOn);
void AfxAtspiEmitFocus(AFX_ATSPI_ID id);
// "Activate", "Deactivate", "Create", "Destroy".
void AfxAtspiEmitWindow(AFX_ATSPI_ID id, const char* pszEvent, const std::string& strName);
void AfxAtspiEmitNameChanged(AFX_ATSPI_ID id, const std::string& strName);
void AfxAtspiEmitChildrenChanged(AFX_ATSPI_ID idParent, BOOL bAdded, int nIndex, AFX_ATSPI_ID idChild);
void AfxAtspiEmitSelectionChanged(AFX_ATSPI_ID id);
