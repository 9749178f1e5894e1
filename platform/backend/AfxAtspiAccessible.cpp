// The interfaces every object has (Accessible, Component), the action, the application
// root and an empty cache, answered from the provider's description of the node.
#include <algorithm>
#include <cstring>

#include "platform/backend/AfxAtspiServer.h"

namespace {

const uint32_t kCoordWindow = 1;
const uint32_t kCoordParent = 2;
const uint32_t kLayerWidget = 3;
const uint32_t kLayerPopup = 5;
const uint32_t kLayerWindow = 7;

struct ROLENAME {
    int nRole;
    const char* pszName;
};

const ROLENAME g_roleNames[] = {
    {AFX_ATSPI_ROLE_CALENDAR, "calendar"},     {AFX_ATSPI_ROLE_COLUMN_HEADER, "column header"},
    {AFX_ATSPI_ROLE_DIALOG, "dialog"},         {AFX_ATSPI_ROLE_FILLER, "filler"},
    {AFX_ATSPI_ROLE_FRAME, "frame"},           {AFX_ATSPI_ROLE_ICON, "icon"},
    {AFX_ATSPI_ROLE_LABEL, "label"},           {AFX_ATSPI_ROLE_MENU, "menu"},
    {AFX_ATSPI_ROLE_MENU_ITEM, "menu item"},   {AFX_ATSPI_ROLE_PANEL, "panel"},
    {AFX_ATSPI_ROLE_PUSH_BUTTON, "push button"}, {AFX_ATSPI_ROLE_SEPARATOR, "separator"},
    {AFX_ATSPI_ROLE_TABLE, "table"},           {AFX_ATSPI_ROLE_TABLE_CELL, "table cell"},
    {AFX_ATSPI_ROLE_TOOL_TIP, "tool tip"},     {AFX_ATSPI_ROLE_APPLICATION, "application"},
    {AFX_ATSPI_ROLE_LINK, "link"},
};

const char* RoleName(int nRole)
{
    for (const ROLENAME& role : g_roleNames) {
        if (role.nRole == nRole)
            return role.pszName;
    }
    return "unknown";
}

AFX_ATSPI_ID IdOf(void* pUserData) { return AfxAtspiIdFromUserData(pUserData); }

// The node of a call; a node gone since the call was routed answers as an empty one.
const AFX_ATSPI_NODE& NodeOf(void* pUserData)
{
    static const AFX_ATSPI_NODE s_gone;
    const AFX_ATSPI_NODE* pNode = AfxAtspiNode(IdOf(pUserData));
    return pNode != nullptr ? *pNode : s_gone;
}

int ReplyRefs(sd_bus_message* pCall, const std::vector<AFX_ATSPI_ID>& ids)
{
    sd_bus_message* pReply = nullptr;
    int nResult = sd_bus_message_new_method_return(pCall, &pReply);
    if (nResult >= 0)
        nResult = sd_bus_message_open_container(pReply, 'a', "(so)");
    for (size_t i = 0; nResult >= 0 && i < ids.size(); ++i)
        nResult = AfxAtspiAppendRef(pReply, ids[i]);
    if (nResult >= 0)
        nResult = sd_bus_message_close_container(pReply);
    if (nResult >= 0)
        nResult = sd_bus_send(nullptr, pReply, nullptr);
    sd_bus_message_unref(pReply);
    return nResult;
}

int GetChildAtIndex(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nIndex = -1;
    sd_bus_message_read(pCall, "i", &nIndex);
    const std::vector<AFX_ATSPI_ID>& children = NodeOf(pUserData).children;
    const bool bValid = nIndex >= 0 && static_cast<size_t>(nIndex) < children.size();
    return AfxAtspiReplyRef(pCall, bValid ? children[static_cast<size_t>(nIndex)] : AFX_ATSPI_NOBODY);
}

int GetChildren(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    return ReplyRefs(pCall, NodeOf(pUserData).children);
}

int IndexInParent(AFX_ATSPI_ID id)
{
    const AFX_ATSPI_NODE* pNode = AfxAtspiNode(id);
    const AFX_ATSPI_NODE* pParent = pNode != nullptr ? AfxAtspiNode(pNode->idParent) : nullptr;
    if (pParent == nullptr)
        return -1;
    auto it = std::find(pParent->children.begin(), pParent->children.end(), id);
    return it == pParent->children.end() ? -1 : static_cast<int>(it - pParent->children.begin());
}

int GetIndexInParent(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    return sd_bus_reply_method_return(pCall, "i", IndexInParent(IdOf(pUserData)));
}

int GetRelationSet(sd_bus_message* pCall, void*, sd_bus_error*)
{
    return sd_bus_reply_method_return(pCall, "a(ua(so))", 0);
}

int GetRole(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    return sd_bus_reply_method_return(pCall, "u", static_cast<uint32_t>(NodeOf(pUserData).nRole));
}

int GetRoleName(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    return sd_bus_reply_method_return(pCall, "s", RoleName(NodeOf(pUserData).nRole));
}

int GetState(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    const uint64_t nStates = NodeOf(pUserData).nStates;
    return sd_bus_reply_method_return(pCall, "au", 2, static_cast<uint32_t>(nStates),
                                      static_cast<uint32_t>(nStates >> 32));
}

int GetAttributes(sd_bus_message* pCall, void*, sd_bus_error*)
{
    return sd_bus_reply_method_return(pCall, "a{ss}", 0);
}

int GetApplication(sd_bus_message* pCall, void*, sd_bus_error*) { return AfxAtspiReplyRef(pCall, AFX_ATSPI_APP); }

int GetInterfaces(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    static const struct {
        UINT nBit;
        const char* pszName;
    } s_interfaces[] = {{AFX_ATSPI_ACTION, "org.a11y.atspi.Action"},       {AFX_ATSPI_TEXT, "org.a11y.atspi.Text"},
                        {AFX_ATSPI_TABLE, "org.a11y.atspi.Table"},         {AFX_ATSPI_TABLECELL, "org.a11y.atspi.TableCell"},
                        {AFX_ATSPI_SELECTION, "org.a11y.atspi.Selection"}, {AFX_ATSPI_HYPERLINK, "org.a11y.atspi.Hyperlink"}};
    const bool bApp = IdOf(pUserData) == AFX_ATSPI_APP;
    std::vector<const char*> names = {"org.a11y.atspi.Accessible",
                                      bApp ? "org.a11y.atspi.Application" : "org.a11y.atspi.Component"};
    for (const auto& iface : s_interfaces) {
        if (NodeOf(pUserData).nInterfaces & iface.nBit)
            names.push_back(iface.pszName);
    }
    names.push_back(nullptr);
    sd_bus_message* pReply = nullptr;
    int nResult = sd_bus_message_new_method_return(pCall, &pReply);
    if (nResult >= 0)
        nResult = sd_bus_message_append_strv(pReply, const_cast<char**>(names.data()));
    if (nResult >= 0)
        nResult = sd_bus_send(nullptr, pReply, nullptr);
    sd_bus_message_unref(pReply);
    return nResult;
}

int GetAccessibleProperty(sd_bus*, const char*, const char*, const char* pszProperty, sd_bus_message* pReply,
                          void* pUserData, sd_bus_error*)
{
    const AFX_ATSPI_NODE& node = NodeOf(pUserData);
    if (std::strcmp(pszProperty, "Name") == 0)
        return sd_bus_message_append(pReply, "s", node.strName.c_str());
    if (std::strcmp(pszProperty, "Description") == 0)
        return sd_bus_message_append(pReply, "s", node.strDescription.c_str());
    if (std::strcmp(pszProperty, "ChildCount") == 0)
        return sd_bus_message_append(pReply, "i", static_cast<int32_t>(node.children.size()));
    if (std::strcmp(pszProperty, "Locale") == 0)
        return sd_bus_message_append(pReply, "s", "C");
    if (std::strcmp(pszProperty, "AccessibleId") == 0)
        return sd_bus_message_append(pReply, "s", "");
    if (IdOf(pUserData) == AFX_ATSPI_APP)
        return AfxAtspiAppendDesktopRef(pReply);
    return AfxAtspiAppendRef(pReply, node.idParent);
}

const sd_bus_vtable g_accessible[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("GetChildAtIndex", "i", "(so)", GetChildAtIndex, 0),
    SD_BUS_METHOD("GetChildren", "", "a(so)", GetChildren, 0),
    SD_BUS_METHOD("GetIndexInParent", "", "i", GetIndexInParent, 0),
    SD_BUS_METHOD("GetRelationSet", "", "a(ua(so))", GetRelationSet, 0),
    SD_BUS_METHOD("GetRole", "", "u", GetRole, 0),
    SD_BUS_METHOD("GetRoleName", "", "s", GetRoleName, 0),
    SD_BUS_METHOD("GetLocalizedRoleName", "", "s", GetRoleName, 0),
    SD_BUS_METHOD("GetState", "", "au", GetState, 0),
    SD_BUS_METHOD("GetAttributes", "", "a{ss}", GetAttributes, 0),
    SD_BUS_METHOD("GetApplication", "", "(so)", GetApplication, 0),
    SD_BUS_METHOD("GetInterfaces", "", "as", GetInterfaces, 0),
    SD_BUS_PROPERTY("Name", "s", GetAccessibleProperty, 0, 0),
    SD_BUS_PROPERTY("Description", "s", GetAccessibleProperty, 0, 0),
    SD_BUS_PROPERTY("Parent", "(so)", GetAccessibleProperty, 0, 0),
    SD_BUS_PROPERTY("ChildCount", "i", GetAccessibleProperty, 0, 0),
    SD_BUS_PROPERTY("Locale", "s", GetAccessibleProperty, 0, 0),
    SD_BUS_PROPERTY("AccessibleId", "s", GetAccessibleProperty, 0, 0),
    SD_BUS_VTABLE_END};

// Component: extents on the screen, or relative to the window or to the parent.
RECT ExtentsIn(const AFX_ATSPI_NODE& node, uint32_t nCoordType)
{
    RECT rc = node.rcScreen;
    POINT ptOrigin = {0, 0};
    if (nCoordType == kCoordWindow) {
        ptOrigin = node.ptWindow;
    } else if (nCoordType == kCoordParent) {
        const AFX_ATSPI_NODE* pParent = AfxAtspiNode(node.idParent);
        if (pParent != nullptr)
            ptOrigin = POINT{pParent->rcScreen.left, pParent->rcScreen.top};
    }
    OffsetRect(&rc, -ptOrigin.x, -ptOrigin.y);
    return rc;
}

int GetExtents(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    uint32_t nCoordType = 0;
    sd_bus_message_read(pCall, "u", &nCoordType);
    const RECT rc = ExtentsIn(NodeOf(pUserData), nCoordType);
    return sd_bus_reply_method_return(pCall, "(iiii)", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

int GetPosition(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    uint32_t nCoordType = 0;
    sd_bus_message_read(pCall, "u", &nCoordType);
    const RECT rc = ExtentsIn(NodeOf(pUserData), nCoordType);
    return sd_bus_reply_method_return(pCall, "ii", rc.left, rc.top);
}

int GetSize(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    const RECT& rc = NodeOf(pUserData).rcScreen;
    return sd_bus_reply_method_return(pCall, "ii", rc.right - rc.left, rc.bottom - rc.top);
}

BOOL Contains(AFX_ATSPI_ID id, int x, int y, uint32_t nCoordType)
{
    const AFX_ATSPI_NODE* pNode = AfxAtspiNode(id);
    if (pNode == nullptr)
        return FALSE;
    const RECT rc = ExtentsIn(*pNode, nCoordType);
    const POINT pt = {x, y};
    return PtInRect(&rc, pt);
}

int ContainsPoint(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t x = 0, y = 0;
    uint32_t nCoordType = 0;
    sd_bus_message_read(pCall, "iiu", &x, &y, &nCoordType);
    return sd_bus_reply_method_return(pCall, "b", Contains(IdOf(pUserData), x, y, nCoordType) ? 1 : 0);
}

// The deepest descendant under the point, the topmost of siblings first.
int GetAccessibleAtPoint(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t x = 0, y = 0;
    uint32_t nCoordType = 0;
    sd_bus_message_read(pCall, "iiu", &x, &y, &nCoordType);
    AFX_ATSPI_ID idFound = AFX_ATSPI_NOBODY;
    for (AFX_ATSPI_ID id = IdOf(pUserData); Contains(id, x, y, nCoordType);) {
        idFound = id;
        const std::vector<AFX_ATSPI_ID> children = AfxAtspiNode(id)->children;
        auto it = std::find_if(children.rbegin(), children.rend(),
                               [&](AFX_ATSPI_ID idChild) { return Contains(idChild, x, y, nCoordType); });
        if (it == children.rend())
            break;
        id = *it;
    }
    return AfxAtspiReplyRef(pCall, idFound);
}

int GetLayer(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    const AFX_ATSPI_NODE& node = NodeOf(pUserData);
    const uint32_t nLayer = node.idParent == AFX_ATSPI_APP ? kLayerWindow
                            : node.nRole == AFX_ATSPI_ROLE_MENU || node.nRole == AFX_ATSPI_ROLE_TOOL_TIP
                                ? kLayerPopup
                                : kLayerWidget;
    return sd_bus_reply_method_return(pCall, "u", nLayer);
}

int GetMDIZOrder(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "n", -1); }

int GrabFocus(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    const BOOL bDone = AfxAtspiProvider()->GrabFocus(IdOf(pUserData));
    AfxAtspiForgetNodes();
    return sd_bus_reply_method_return(pCall, "b", bDone ? 1 : 0);
}

int GetAlpha(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "d", 1.0); }

// Nobody moves, sizes or scrolls the program's windows from outside.
int Refuse(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "b", 0); }

const sd_bus_vtable g_component[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("Contains", "iiu", "b", ContainsPoint, 0),
    SD_BUS_METHOD("GetAccessibleAtPoint", "iiu", "(so)", GetAccessibleAtPoint, 0),
    SD_BUS_METHOD("GetExtents", "u", "(iiii)", GetExtents, 0),
    SD_BUS_METHOD("GetPosition", "u", "ii", GetPosition, 0),
    SD_BUS_METHOD("GetSize", "", "ii", GetSize, 0),
    SD_BUS_METHOD("GetLayer", "", "u", GetLayer, 0),
    SD_BUS_METHOD("GetMDIZOrder", "", "n", GetMDIZOrder, 0),
    SD_BUS_METHOD("GrabFocus", "", "b", GrabFocus, 0),
    SD_BUS_METHOD("GetAlpha", "", "d", GetAlpha, 0),
    SD_BUS_METHOD("SetExtents", "iiiiu", "b", Refuse, 0),
    SD_BUS_METHOD("SetPosition", "iiu", "b", Refuse, 0),
    SD_BUS_METHOD("SetSize", "ii", "b", Refuse, 0),
    SD_BUS_METHOD("ScrollTo", "u", "b", Refuse, 0),
    SD_BUS_METHOD("ScrollToPoint", "uii", "b", Refuse, 0),
    SD_BUS_VTABLE_END};

// Action: one action at most, whose name the node gives.
std::string ActionText(const char* pszMember, const AFX_ATSPI_NODE& node, int32_t nIndex)
{
    if (nIndex != 0 || std::strcmp(pszMember, "GetKeyBinding") == 0 || std::strcmp(pszMember, "GetDescription") == 0)
        return std::string();
    return node.strAction;
}

int GetActionText(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nIndex = -1;
    sd_bus_message_read(pCall, "i", &nIndex);
    const std::string strText = ActionText(sd_bus_message_get_member(pCall), NodeOf(pUserData), nIndex);
    return sd_bus_reply_method_return(pCall, "s", strText.c_str());
}

int GetActions(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    return sd_bus_reply_method_return(pCall, "a(sss)", 1, NodeOf(pUserData).strAction.c_str(), "", "");
}

int DoAction(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nIndex = -1;
    sd_bus_message_read(pCall, "i", &nIndex);
    const BOOL bDone = nIndex == 0 && AfxAtspiProvider()->DoAction(IdOf(pUserData));
    AfxAtspiForgetNodes();
    return sd_bus_reply_method_return(pCall, "b", bDone ? 1 : 0);
}

int GetNActions(sd_bus*, const char*, const char*, const char*, sd_bus_message* pReply, void*, sd_bus_error*)
{
    return sd_bus_message_append(pReply, "i", 1);
}

const sd_bus_vtable g_action[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("GetDescription", "i", "s", GetActionText, 0),
    SD_BUS_METHOD("GetName", "i", "s", GetActionText, 0),
    SD_BUS_METHOD("GetLocalizedName", "i", "s", GetActionText, 0),
    SD_BUS_METHOD("GetKeyBinding", "i", "s", GetActionText, 0),
    SD_BUS_METHOD("GetActions", "", "a(sss)", GetActions, 0),
    SD_BUS_METHOD("DoAction", "i", "b", DoAction, 0),
    SD_BUS_PROPERTY("NActions", "i", GetNActions, 0, 0),
    SD_BUS_VTABLE_END};

// Application: the registry writes its id for the application.
int32_t g_nAppId = 0;

int GetApplicationProperty(sd_bus*, const char*, const char*, const char* pszProperty, sd_bus_message* pReply, void*,
                           sd_bus_error*)
{
    if (std::strcmp(pszProperty, "Id") == 0)
        return sd_bus_message_append(pReply, "i", g_nAppId);
    if (std::strcmp(pszProperty, "AtspiVersion") == 0)
        return sd_bus_message_append(pReply, "s", "2.1");
    if (std::strcmp(pszProperty, "Version") == 0)
        return sd_bus_message_append(pReply, "s", "1.0");
    return sd_bus_message_append(pReply, "s", "Afx");
}

int SetApplicationId(sd_bus*, const char*, const char*, const char*, sd_bus_message* pValue, void*, sd_bus_error*)
{
    return sd_bus_message_read(pValue, "i", &g_nAppId);
}

int GetLocale(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "s", "C"); }

const sd_bus_vtable g_application[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("GetLocale", "u", "s", GetLocale, 0),
    SD_BUS_PROPERTY("ToolkitName", "s", GetApplicationProperty, 0, 0),
    SD_BUS_PROPERTY("Version", "s", GetApplicationProperty, 0, 0),
    SD_BUS_PROPERTY("AtspiVersion", "s", GetApplicationProperty, 0, 0),
    SD_BUS_WRITABLE_PROPERTY("Id", "i", GetApplicationProperty, SetApplicationId, 0, 0),
    SD_BUS_VTABLE_END};

// Clients ask for a cache first; an empty one makes them ask each object.
int GetItems(sd_bus_message* pCall, void*, sd_bus_error*)
{
    return sd_bus_reply_method_return(pCall, "a((so)(so)(so)iiassusau)", 0);
}

const sd_bus_vtable g_cache[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("GetItems", "", "a((so)(so)(so)iiassusau)", GetItems, 0),
    SD_BUS_VTABLE_END};

void* Mask(UINT nMask) { return reinterpret_cast<void*>(static_cast<uintptr_t>(nMask)); }

}  // namespace

int AfxAtspiFindNode(sd_bus*, const char* pszPath, const char*, void* pUserData, void** ppFound, sd_bus_error*)
{
    const UINT nMask = static_cast<UINT>(reinterpret_cast<uintptr_t>(pUserData));
    AFX_ATSPI_ID id = AFX_ATSPI_NOBODY;
    // The application's own interfaces are an object of their own.
    if (!AfxAtspiIdOf(pszPath, &id) || id == AFX_ATSPI_APP)
        return 0;
    const AFX_ATSPI_NODE* pNode = AfxAtspiNode(id);
    if (pNode == nullptr || (pNode->nInterfaces & nMask) != nMask)
        return 0;
    *ppFound = reinterpret_cast<void*>(static_cast<uintptr_t>(id));
    return 1;
}

int AfxAtspiAddAccessible(sd_bus* pBus)
{
    const char* pszPrefix = AFX_ATSPI_PATH_PREFIX;
    int nResult = sd_bus_add_fallback_vtable(pBus, nullptr, pszPrefix, "org.a11y.atspi.Accessible", g_accessible,
                                             AfxAtspiFindNode, Mask(0));
    if (nResult >= 0)
        nResult = sd_bus_add_object_vtable(pBus, nullptr, AFX_ATSPI_PATH_PREFIX "/root", "org.a11y.atspi.Accessible",
                                           g_accessible, nullptr);
    if (nResult >= 0)
        nResult = sd_bus_add_fallback_vtable(pBus, nullptr, pszPrefix, "org.a11y.atspi.Component", g_component,
                                             AfxAtspiFindNode, Mask(0));
    if (nResult >= 0)
        nResult = sd_bus_add_fallback_vtable(pBus, nullptr, pszPrefix, "org.a11y.atspi.Action", g_action,
                                             AfxAtspiFindNode, Mask(AFX_ATSPI_ACTION));
    if (nResult >= 0)
        nResult = sd_bus_add_object_vtable(pBus, nullptr, AFX_ATSPI_PATH_PREFIX "/root", "org.a11y.atspi.Application",
                                           g_application, nullptr);
    if (nResult >= 0)
        nResult = sd_bus_add_object_vtable(pBus, nullptr, "/org/a11y/atspi/cache", "org.a11y.atspi.Cache", g_cache,
                                           nullptr);
    return nResult;
}
