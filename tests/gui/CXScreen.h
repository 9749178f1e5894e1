// A test's look at an X display: finding a top-level window by its title, its geometry,
// what it tells the window manager, and the pixels that the screen shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct _XDisplay;

struct XRECT {
    int x;
    int y;
    int cx;
    int cy;
};

class CXScreen {
public:
    CXScreen() = default;
    ~CXScreen();
    CXScreen(const CXScreen&) = delete;
    CXScreen& operator=(const CXScreen&) = delete;

    bool Open(const std::string& strDisplay);
    // A mapped top-level window with this exact title, also inside a window manager's
    // frame; 0 when there is none.
    unsigned long FindWindow(const std::string& strTitle);
    // Where the pointer is on the screen.
    void GetPointer(int& x, int& y);
    // Whether this connection can grab the pointer now (it lets go at once): no other
    // client holds it.
    bool CanGrabPointer();
    // Whether a window manager has announced itself on the root window.
    bool HasWindowManager();
    // Position on the screen and size of the window; cx 0 when it is gone.
    XRECT GetWindowRect(unsigned long nWindow);
    // A property of 32-bit items (such as _NET_WM_ICON, _MOTIF_WM_HINTS or a window id),
    // whatever its type; empty when the window has none.
    std::vector<unsigned long> GetCardinals(unsigned long nWindow, const std::string& strProperty);
    // The names in a property of atoms (such as _NET_WM_STATE).
    std::vector<std::string> GetAtomNames(unsigned long nWindow, const std::string& strProperty);
    // A mapped window straight below the root whose _NET_WM_WINDOW_TYPE is strType; 0
    // when there is none.
    unsigned long FindWindowOfType(const std::string& strType);
    // A plain mapped window of the test's own, titled strTitle, for another window to be
    // active; it goes with the connection.
    unsigned long CreateWindow(const std::string& strTitle, const XRECT& rc);
    // The class half of the window's WM_CLASS; empty when it has none.
    std::string GetWindowClass(unsigned long nWindow);
    // What the screen shows in rc, 0x00RRGGBB, row by row; empty on failure. The screen's
    // own true-colour picture is read, whatever visual the window has.
    std::vector<uint32_t> Grab(const XRECT& rc);

    // Replaces the resources that the desktop gives the server (RESOURCE_MANAGER), text such
    // as "Xft.dpi:\t144\n", for the clients that connect from now on.
    bool SetResources(const std::string& strResources);

    _XDisplay* Display() const { return m_pDisplay; }

private:
    unsigned long FindIn(unsigned long nParent, const std::string& strTitle, int nDepth);

    _XDisplay* m_pDisplay = nullptr;
};
