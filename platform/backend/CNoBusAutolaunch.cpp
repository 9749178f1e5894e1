#include "platform/backend/CNoBusAutolaunch.h"

#include <sys/stat.h>

#include <cstdlib>
#include <string>

namespace {

// An address of no transport: libdbus says it cannot parse it, and starts nothing.
const char kRefusedAddress[] = "disabled:";

}  // namespace

CNoBusAutolaunch::CNoBusAutolaunch()
    : m_bSet(!HasSessionBus()), m_bWasEmpty(std::getenv("DBUS_SESSION_BUS_ADDRESS") != nullptr)
{
    if (m_bSet)
        setenv("DBUS_SESSION_BUS_ADDRESS", kRefusedAddress, 1);
}

// Programs started from here see the user's own environment again.
CNoBusAutolaunch::~CNoBusAutolaunch()
{
    if (m_bSet && m_bWasEmpty)
        setenv("DBUS_SESSION_BUS_ADDRESS", "", 1);
    else if (m_bSet)
        unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

bool CNoBusAutolaunch::HasSessionBus()
{
    const char* pszAddress = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (pszAddress != nullptr && *pszAddress != '\0')
        return true;
    const char* pszRuntime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st;
    return pszRuntime != nullptr && *pszRuntime == '/' && stat((std::string(pszRuntime) + "/bus").c_str(), &st) == 0 &&
           S_ISSOCK(st.st_mode);
}
