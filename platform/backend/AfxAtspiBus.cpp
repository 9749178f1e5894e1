// The connections: the session bus only long enough to learn the accessibility bus's
// address, then the accessibility bus itself, registered with its registry. Nothing here
// waits: every step is a call whose answer comes in while the program waits for input.
#include <poll.h>
#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>

#include "platform/backend/AfxAtspiServer.h"

namespace {

enum PHASE { PHASE_IDLE, PHASE_ASKING, PHASE_CONNECTING, PHASE_EMBEDDING, PHASE_REGISTERED, PHASE_OFF };

IAfxAtspiProvider* g_pProvider = nullptr;
std::string g_strAppName;
PHASE g_nPhase = PHASE_IDLE;
sd_bus* g_pSession = nullptr;
sd_bus* g_pBus = nullptr;
std::string g_strUniqueName;
std::string g_strDesktopName;
std::string g_strDesktopPath = AFX_ATSPI_NULL_PATH;
std::string g_strAddress;  // learnt from the session bus, connected to after its reply
BOOL g_bWoke = FALSE;
std::map<AFX_ATSPI_ID, AFX_ATSPI_NODE> g_nodes;  // described during this batch of calls

sd_bus* Drop(sd_bus* pBus)
{
    if (pBus != nullptr)
        sd_bus_close_unref(pBus);
    return nullptr;
}

void TurnOff()
{
    g_nPhase = PHASE_OFF;
    g_pSession = Drop(g_pSession);
    g_pBus = Drop(g_pBus);
    g_nodes.clear();
}

// A connection is not closed from inside its own callback: the bridge goes quiet, and
// the connections go once the callback is over.
void GiveUp() { g_nPhase = PHASE_OFF; }

int OnEmbedded(sd_bus_message* pReply, void*, sd_bus_error*)
{
    const char* pszName = nullptr;
    const char* pszPath = nullptr;
    if (sd_bus_message_is_method_error(pReply, nullptr) || sd_bus_message_read(pReply, "(so)", &pszName, &pszPath) < 0) {
        GiveUp();
        return 0;
    }
    g_strDesktopName = pszName;
    g_strDesktopPath = pszPath;
    g_nPhase = PHASE_REGISTERED;
    return 0;
}

// Once the bus has said hello the connection has its name, which the registration carries.
void EmbedWhenReady()
{
    const char* pszUnique = nullptr;
    if (g_nPhase != PHASE_CONNECTING || sd_bus_is_ready(g_pBus) <= 0 || sd_bus_get_unique_name(g_pBus, &pszUnique) < 0)
        return;
    g_strUniqueName = pszUnique;
    const std::string strRoot = AfxAtspiPathOf(AFX_ATSPI_APP);
    if (sd_bus_call_method_async(g_pBus, nullptr, "org.a11y.atspi.Registry", strRoot.c_str(), "org.a11y.atspi.Socket",
                                 "Embed", OnEmbedded, nullptr, "(so)", pszUnique, strRoot.c_str()) < 0) {
        TurnOff();
        return;
    }
    g_nPhase = PHASE_EMBEDDING;
}

void ConnectAccessibilityBus(const char* pszAddress)
{
    if (sd_bus_new(&g_pBus) < 0 || sd_bus_set_address(g_pBus, pszAddress) < 0 || sd_bus_set_bus_client(g_pBus, 1) < 0 ||
        sd_bus_start(g_pBus) < 0 || AfxAtspiAddAccessible(g_pBus) < 0 || AfxAtspiAddText(g_pBus) < 0 ||
        AfxAtspiAddTable(g_pBus) < 0) {
        TurnOff();
        return;
    }
    g_nPhase = PHASE_CONNECTING;
}

int OnAddress(sd_bus_message* pReply, void*, sd_bus_error*)
{
    const char* pszAddress = nullptr;
    if (sd_bus_message_is_method_error(pReply, nullptr) || sd_bus_message_read(pReply, "s", &pszAddress) < 0 ||
        pszAddress == nullptr || *pszAddress == '\0') {
        GiveUp();
        return 0;
    }
    // Connected once the session bus's turn is over: it goes from inside its own callback.
    g_strAddress = pszAddress;
    return 0;
}

// The session bus as sd-bus finds it: DBUS_SESSION_BUS_ADDRESS, or the user's bus in
// XDG_RUNTIME_DIR. It never starts one.
void AskSessionBus()
{
    if (sd_bus_open_user(&g_pSession) < 0 ||
        sd_bus_call_method_async(g_pSession, nullptr, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                 OnAddress, nullptr, "") < 0) {
        TurnOff();
        return;
    }
    g_nPhase = PHASE_ASKING;
}

BOOL IsSet(const char* pszName)
{
    const char* pszValue = std::getenv(pszName);
    return pszValue != nullptr && *pszValue != '\0';
}

// Answers what came in; a connection that broke is dropped and the bridge goes quiet.
BOOL Process(sd_bus* pBus)
{
    BOOL bAny = FALSE;
    while (pBus != nullptr && g_nPhase != PHASE_OFF) {
        const int nResult = sd_bus_process(pBus, nullptr);
        if (nResult < 0)
            TurnOff();
        if (nResult <= 0)
            break;
        bAny = TRUE;
    }
    return bAny;
}

BOOL ProcessAll()
{
    g_nodes.clear();
    BOOL bAny = Process(g_pSession);
    if (!g_strAddress.empty() && g_nPhase != PHASE_OFF) {
        g_pSession = Drop(g_pSession);
        ConnectAccessibilityBus(g_strAddress.c_str());
        g_strAddress.clear();
    }
    bAny = Process(g_pBus) || bAny;
    EmbedWhenReady();
    if (g_nPhase == PHASE_OFF)
        TurnOff();
    g_nodes.clear();
    return bAny;
}

int MsUntil(uint64_t nUsec)
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t nNow = static_cast<uint64_t>(now.tv_sec) * 1000000u + static_cast<uint64_t>(now.tv_nsec) / 1000u;
    return nUsec <= nNow ? 0 : static_cast<int>(std::min<uint64_t>((nUsec - nNow + 999) / 1000, 0x7FFFFFFF));
}

void AddPollFd(sd_bus* pBus, pollfd* pFds, int& nFds, int& nTimeoutMs)
{
    if (pBus == nullptr)
        return;
    const int nEvents = sd_bus_get_events(pBus);
    pFds[nFds++] = pollfd{sd_bus_get_fd(pBus), static_cast<short>(nEvents > 0 ? nEvents : POLLIN), 0};
    uint64_t nUsec = 0;
    if (sd_bus_get_timeout(pBus, &nUsec) >= 0 && nUsec != UINT64_MAX) {
        const int nBusMs = MsUntil(nUsec);
        if (nTimeoutMs < 0 || nBusMs < nTimeoutMs)
            nTimeoutMs = nBusMs;
    }
}

}  // namespace

void AfxAtspiSetProvider(IAfxAtspiProvider* pProvider, LPCTSTR lpszAppName)
{
    g_pProvider = pProvider;
    g_strAppName = lpszAppName != nullptr ? lpszAppName : "";
}

void AfxAtspiStart()
{
    if (g_nPhase != PHASE_IDLE || g_pProvider == nullptr)
        return;
    g_nPhase = PHASE_OFF;
    const char* pszOff = std::getenv("NO_AT_BRIDGE");
    if (pszOff != nullptr && std::strcmp(pszOff, "1") == 0)
        return;
    if (IsSet("AT_SPI_BUS_ADDRESS"))
        ConnectAccessibilityBus(std::getenv("AT_SPI_BUS_ADDRESS"));
    else
        AskSessionBus();
}

BOOL AfxAtspiIsRegistered() { return g_nPhase == PHASE_REGISTERED; }

void AfxAtspiStop()
{
    TurnOff();
    g_nPhase = PHASE_IDLE;
    g_pProvider = nullptr;
}

BOOL AfxBackendWaitForInput(int fd, int nTimeoutMs)
{
    if (g_pProvider != nullptr)
        g_pProvider->OnIdle();
    pollfd fds[3];
    int nFds = 0;
    fds[nFds++] = pollfd{fd, POLLIN, 0};
    AddPollFd(g_pSession, fds, nFds, nTimeoutMs);
    AddPollFd(g_pBus, fds, nFds, nTimeoutMs);
    poll(fds, static_cast<nfds_t>(nFds), nTimeoutMs);
    const BOOL bAny = ProcessAll();
    g_bWoke = g_bWoke || bAny;
    return bAny;
}

BOOL AfxAtspiTakeWakeUp()
{
    const BOOL bWoke = g_bWoke;
    g_bWoke = FALSE;
    return bWoke;
}

sd_bus* AfxAtspiConnection() { return g_pBus; }
IAfxAtspiProvider* AfxAtspiProvider() { return g_pProvider; }
const std::string& AfxAtspiAppName() { return g_strAppName; }

std::string AfxAtspiPathOf(AFX_ATSPI_ID id)
{
    return id == AFX_ATSPI_APP ? AFX_ATSPI_PATH_PREFIX "/root" : AFX_ATSPI_PATH_PREFIX "/" + std::to_string(id);
}

BOOL AfxAtspiIdOf(const char* pszPath, AFX_ATSPI_ID* pId)
{
    const size_t nPrefix = std::strlen(AFX_ATSPI_PATH_PREFIX "/");
    if (pszPath == nullptr || std::strncmp(pszPath, AFX_ATSPI_PATH_PREFIX "/", nPrefix) != 0)
        return FALSE;
    const char* pszTail = pszPath + nPrefix;
    if (std::strcmp(pszTail, "root") == 0) {
        *pId = AFX_ATSPI_APP;
        return TRUE;
    }
    char* pszEnd = nullptr;
    const unsigned long long nId = std::strtoull(pszTail, &pszEnd, 10);
    if (*pszTail < '1' || *pszTail > '9' || pszEnd == nullptr || *pszEnd != '\0')
        return FALSE;
    *pId = nId;
    return TRUE;
}

const AFX_ATSPI_NODE* AfxAtspiNode(AFX_ATSPI_ID id)
{
    auto it = g_nodes.find(id);
    if (it != g_nodes.end())
        return &it->second;
    AFX_ATSPI_NODE node;
    if (g_pProvider == nullptr || id == AFX_ATSPI_NOBODY || !g_pProvider->Describe(id, &node))
        return nullptr;
    return &g_nodes.emplace(id, std::move(node)).first->second;
}

void AfxAtspiForgetNodes() { g_nodes.clear(); }

int AfxAtspiAppendRef(sd_bus_message* pMessage, AFX_ATSPI_ID id)
{
    if (id == AFX_ATSPI_NOBODY)
        return sd_bus_message_append(pMessage, "(so)", "", AFX_ATSPI_NULL_PATH);
    return sd_bus_message_append(pMessage, "(so)", g_strUniqueName.c_str(), AfxAtspiPathOf(id).c_str());
}

int AfxAtspiReplyRef(sd_bus_message* pCall, AFX_ATSPI_ID id)
{
    sd_bus_message* pReply = nullptr;
    int nResult = sd_bus_message_new_method_return(pCall, &pReply);
    if (nResult >= 0)
        nResult = AfxAtspiAppendRef(pReply, id);
    if (nResult >= 0)
        nResult = sd_bus_send(nullptr, pReply, nullptr);
    sd_bus_message_unref(pReply);
    return nResult;
}

int AfxAtspiAppendDesktopRef(sd_bus_message* pMessage)
{
    return sd_bus_message_append(pMessage, "(so)", g_strDesktopName.c_str(), g_strDesktopPath.c_str());
}
