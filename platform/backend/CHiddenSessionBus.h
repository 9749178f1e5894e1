// While it lives, libdbus finds an address it refuses at once instead of the session bus.
// SDL asks libdbus for the session bus once, while it starts, and would wait there without
// end for a bus that accepts the connection but never answers; with no session bus known
// at all, libdbus would start one (dbus-launch and a dbus-daemon) that outlives the
// program. What SDL wants the bus for (keeping the screen awake, input methods) this
// program does not need; the accessibility bus is reached through sd-bus, not libdbus.
#pragma once

class CHiddenSessionBus {
public:
    CHiddenSessionBus();
    ~CHiddenSessionBus();
    CHiddenSessionBus(const CHiddenSessionBus&) = delete;
    CHiddenSessionBus& operator=(const CHiddenSessionBus&) = delete;

private:
    char* m_pszAddress;  // the user's own address, or null
};
