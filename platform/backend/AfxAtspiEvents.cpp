// Events: signals (detail, two numbers, a value, no properties) from the node they are about.
// Sent only once the registry has the application; nobody could make sense of them before.
#include "platform/backend/AfxAtspiServer.h"

namespace {

const char* const kStateNames[] = {
    "invalid",  "active",   "armed",      "busy",        "checked",     "collapsed", "defunct",     "editable",
    "enabled",  "expandable", "expanded", "focusable",   "focused",     "has-tooltip", "horizontal", "iconified",
    "modal",    "multi-line", "multiselectable", "opaque", "pressed",   "resizable", "selectable",  "selected",
    "sensitive", "showing", "single-line", "stale",      "transient",   "vertical",  "visible",     "manages-descendants",
    "indeterminate", "required", "truncated", "animated", "invalid-entry", "supports-autocompletion",
    "selectable-text", "is-default", "visited", "checkable", "has-popup", "read-only"};

// Starts the signal and its detail and numbers; the caller appends the value.
sd_bus_message* NewEvent(AFX_ATSPI_ID id, const char* pszKind, const char* pszMember, const char* pszDetail, int n1,
                         int n2)
{
    sd_bus* pBus = AfxAtspiConnection();
    if (pBus == nullptr || !AfxAtspiIsRegistered())
        return nullptr;
    const std::string strInterface = std::string("org.a11y.atspi.Event.") + pszKind;
    sd_bus_message* pSignal = nullptr;
    if (sd_bus_message_new_signal(pBus, &pSignal, AfxAtspiPathOf(id).c_str(), strInterface.c_str(), pszMember) < 0)
        return nullptr;
    if (sd_bus_message_append(pSignal, "sii", pszDetail, n1, n2) < 0) {
        sd_bus_message_unref(pSignal);
        return nullptr;
    }
    return pSignal;
}

void Send(sd_bus_message* pSignal, int nResult)
{
    if (nResult >= 0)
        nResult = sd_bus_message_append(pSignal, "a{sv}", 0);
    if (nResult >= 0)
        sd_bus_send(nullptr, pSignal, nullptr);
    sd_bus_message_unref(pSignal);
}

void EmitInt(AFX_ATSPI_ID id, const char* pszKind, const char* pszMember, const char* pszDetail, int n1)
{
    sd_bus_message* pSignal = NewEvent(id, pszKind, pszMember, pszDetail, n1, 0);
    if (pSignal != nullptr)
        Send(pSignal, sd_bus_message_append(pSignal, "v", "i", 0));
}

void EmitString(AFX_ATSPI_ID id, const char* pszKind, const char* pszMember, const char* pszDetail,
                const std::string& strValue)
{
    sd_bus_message* pSignal = NewEvent(id, pszKind, pszMember, pszDetail, 0, 0);
    if (pSignal != nullptr)
        Send(pSignal, sd_bus_message_append(pSignal, "v", "s", strValue.c_str()));
}

}  // namespace

void AfxAtspiEmitStateChanged(AFX_ATSPI_ID id, int nState, BOOL bOn)
{
    if (nState >= 0 && static_cast<size_t>(nState) < sizeof kStateNames / sizeof kStateNames[0])
        EmitInt(id, "Object", "StateChanged", kStateNames[nState], bOn ? 1 : 0);
}

void AfxAtspiEmitFocus(AFX_ATSPI_ID id) { EmitInt(id, "Focus", "Focus", "", 0); }

void AfxAtspiEmitWindow(AFX_ATSPI_ID id, const char* pszEvent, const std::string& strName)
{
    EmitString(id, "Window", pszEvent, "", strName);
}

void AfxAtspiEmitNameChanged(AFX_ATSPI_ID id, const std::string& strName)
{
    EmitString(id, "Object", "PropertyChange", "accessible-name", strName);
}

void AfxAtspiEmitChildrenChanged(AFX_ATSPI_ID idParent, BOOL bAdded, int nIndex, AFX_ATSPI_ID idChild)
{
    sd_bus_message* pSignal = NewEvent(idParent, "Object", "ChildrenChanged", bAdded ? "add" : "remove", nIndex, 0);
    if (pSignal == nullptr)
        return;
    int nResult = sd_bus_message_open_container(pSignal, 'v', "(so)");
    if (nResult >= 0)
        nResult = AfxAtspiAppendRef(pSignal, idChild);
    if (nResult >= 0)
        nResult = sd_bus_message_close_container(pSignal);
    Send(pSignal, nResult);
}

void AfxAtspiEmitSelectionChanged(AFX_ATSPI_ID id) { EmitInt(id, "Object", "SelectionChanged", "", 0); }
