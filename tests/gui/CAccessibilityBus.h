// A private D-Bus session with the accessibility bus for one test, in a runtime folder of
// its own, and a screen reader's view of brelvin through tests/gui/atspi_client.py. What
// it starts and makes is ended and removed when the object goes.
#pragma once

#include <string>
#include <vector>

#include "tests/gui/CChildProcess.h"

class CAccessibilityBus {
public:
    CAccessibilityBus() = default;
    ~CAccessibilityBus();
    CAccessibilityBus(const CAccessibilityBus&) = delete;
    CAccessibilityBus& operator=(const CAccessibilityBus&) = delete;

    // The session bus and the accessibility bus's launcher, up and known; FALSE with the
    // reason in m_strError.
    bool Start();
    // What the program and the client are given: the session bus and the runtime folder.
    std::vector<std::string> Environment() const;
    // Runs a client command (tree, do) to its end; what it wrote.
    std::string Ask(const std::vector<std::string>& args);
    // The client listens for these events once the application is there.
    bool Listen(const std::vector<std::string>& events);
    // What it heard so far: "type\trole\tname\tdetail1" lines.
    std::string Heard() const;

    std::string m_strDir;
    std::string m_strError;

private:
    bool StartClient(CChildProcess& client, const std::string& strOut, std::vector<std::string> args);

    CChildProcess m_session;
    CChildProcess m_launcher;
    CChildProcess m_listener;
    int m_nAsked = 0;
};
