#include "platform/backend/CHiddenSessionBus.h"

#include <cstdlib>
#include <cstring>

namespace {

// An address of no transport: libdbus says it cannot parse it, and starts nothing.
const char kRefusedAddress[] = "disabled:";

char* CopyOf(const char* psz) { return psz != nullptr ? strdup(psz) : nullptr; }

}  // namespace

CHiddenSessionBus::CHiddenSessionBus() : m_pszAddress(CopyOf(std::getenv("DBUS_SESSION_BUS_ADDRESS")))
{
    setenv("DBUS_SESSION_BUS_ADDRESS", kRefusedAddress, 1);
}

// Programs started from here, and the accessibility bus, see the user's own address again.
CHiddenSessionBus::~CHiddenSessionBus()
{
    if (m_pszAddress != nullptr)
        setenv("DBUS_SESSION_BUS_ADDRESS", m_pszAddress, 1);
    else
        unsetenv("DBUS_SESSION_BUS_ADDRESS");
    std::free(m_pszAddress);
}
