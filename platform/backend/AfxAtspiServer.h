// What the accessibility bus's object interfaces share with its connection. Private to
// platform/backend.
#pragma once

#include <systemd/sd-bus.h>

#include <string>

#include "platform/backend/AfxAtspi.h"

#define AFX_ATSPI_PATH_PREFIX "/org/a11y/atspi/accessible"
#define AFX_ATSPI_NULL_PATH "/org/a11y/atspi/null"

// The connection to the accessibility bus, null before it is made.
sd_bus* AfxAtspiConnection();
IAfxAtspiProvider* AfxAtspiProvider();
const std::string& AfxAtspiAppName();

std::string AfxAtspiPathOf(AFX_ATSPI_ID id);
BOOL AfxAtspiIdOf(const char* pszPath, AFX_ATSPI_ID* pId);

// The node a call is about, asked of the provider once per batch of calls; null when gone.
const AFX_ATSPI_NODE* AfxAtspiNode(AFX_ATSPI_ID id);
void AfxAtspiForgetNodes();

// A reference (so): the node on this connection; the desktop for the application's
// parent, the null object for AFX_ATSPI_NOBODY.
int AfxAtspiAppendRef(sd_bus_message* pMessage, AFX_ATSPI_ID id);
int AfxAtspiAppendDesktopRef(sd_bus_message* pMessage);
// A method's reply of one reference.
int AfxAtspiReplyRef(sd_bus_message* pCall, AFX_ATSPI_ID id);

// The node id that an object handler's user data carries.
inline AFX_ATSPI_ID AfxAtspiIdFromUserData(void* pUserData)
{
    return static_cast<AFX_ATSPI_ID>(reinterpret_cast<uintptr_t>(pUserData));
}

// Finds the node at a path that has the interfaces of the AFX_ATSPI_* bits in the user
// data (0: every node); the application is not among them.
int AfxAtspiFindNode(sd_bus* pBus, const char* pszPath, const char* pszInterface, void* pUserData, void** ppFound,
                     sd_bus_error* pError);

// The interfaces' tables, registered on the connection.
int AfxAtspiAddAccessible(sd_bus* pBus);
int AfxAtspiAddText(sd_bus* pBus);
int AfxAtspiAddTable(sd_bus* pBus);
