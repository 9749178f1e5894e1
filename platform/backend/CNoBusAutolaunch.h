// While it lives, libdbus finds an address it refuses at once instead of no session bus
// at all: without one it would start one (dbus-launch and a dbus-daemon) that outlives the
// program. SDL asks libdbus for the session bus once, while it starts. Where a session bus
// is known, nothing changes.
#pragma once

class CNoBusAutolaunch {
public:
    CNoBusAutolaunch();
    ~CNoBusAutolaunch();
    CNoBusAutolaunch(const CNoBusAutolaunch&) = delete;
    CNoBusAutolaunch& operator=(const CNoBusAutolaunch&) = delete;

    // DBUS_SESSION_BUS_ADDRESS, or the user's bus in XDG_RUNTIME_DIR, as libdbus and sd-bus
    // look for it.
    static bool HasSessionBus();

private:
    bool m_bSet;
    bool m_bWasEmpty;  // set, but to nothing
};
