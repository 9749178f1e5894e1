#include "tests/gui/CXScreen.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>

CXScreen::~CXScreen()
{
    if (m_pDisplay != nullptr)
        XCloseDisplay(m_pDisplay);
}

namespace {

// Another client's window may go between two requests about it; the answer is then
// only a failed request, never the end of the test.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

bool CXScreen::Open(const std::string& strDisplay)
{
    XSetErrorHandler(IgnoreError);
    m_pDisplay = XOpenDisplay(strDisplay.c_str());
    return m_pDisplay != nullptr;
}

unsigned long CXScreen::FindWindow(const std::string& strTitle)
{
    return FindIn(DefaultRootWindow(m_pDisplay), strTitle, 2);
}

// A window manager puts each top-level window into a frame of its own: one level down.
unsigned long CXScreen::FindIn(unsigned long nParent, const std::string& strTitle, int nDepth)
{
    Window root = 0, parent = 0;
    Window* pChildren = nullptr;
    unsigned int nChildren = 0;
    if (nDepth == 0 || !XQueryTree(m_pDisplay, nParent, &root, &parent, &pChildren, &nChildren))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < nChildren && found == 0; ++i) {
        XWindowAttributes attributes;
        char* pszName = nullptr;
        if (!XGetWindowAttributes(m_pDisplay, pChildren[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        if (XFetchName(m_pDisplay, pChildren[i], &pszName) && pszName != nullptr && strTitle == pszName)
            found = pChildren[i];
        if (pszName != nullptr)
            XFree(pszName);
        if (found == 0)
            found = FindIn(pChildren[i], strTitle, nDepth - 1);
    }
    if (pChildren != nullptr)
        XFree(pChildren);
    return found;
}

void CXScreen::GetPointer(int& x, int& y)
{
    Window root = 0, child = 0;
    int xWindow = 0, yWindow = 0;
    unsigned int nMask = 0;
    XQueryPointer(m_pDisplay, DefaultRootWindow(m_pDisplay), &root, &child, &x, &y, &xWindow, &yWindow, &nMask);
}

bool CXScreen::CanGrabPointer()
{
    int nResult = XGrabPointer(m_pDisplay, DefaultRootWindow(m_pDisplay), False, ButtonPressMask, GrabModeAsync,
                               GrabModeAsync, None, None, CurrentTime);
    XUngrabPointer(m_pDisplay, CurrentTime);
    XSync(m_pDisplay, False);
    return nResult == GrabSuccess;
}

bool CXScreen::HasWindowManager()
{
    return GetCardinals(DefaultRootWindow(m_pDisplay), "_NET_SUPPORTING_WM_CHECK").size() == 1;
}

XRECT CXScreen::GetWindowRect(unsigned long nWindow)
{
    XRECT rc = {0, 0, 0, 0};
    XWindowAttributes attributes;
    Window child = 0;
    if (!XGetWindowAttributes(m_pDisplay, nWindow, &attributes) ||
        !XTranslateCoordinates(m_pDisplay, nWindow, DefaultRootWindow(m_pDisplay), 0, 0, &rc.x, &rc.y, &child))
        return rc;
    rc.cx = attributes.width;
    rc.cy = attributes.height;
    return rc;
}

std::vector<unsigned long> CXScreen::GetCardinals(unsigned long nWindow, const std::string& strProperty)
{
    std::vector<unsigned long> items;
    Atom type = None;
    int nFormat = 0;
    unsigned long nItems = 0, nAfter = 0;
    unsigned char* pData = nullptr;
    const Atom property = XInternAtom(m_pDisplay, strProperty.c_str(), False);
    if (XGetWindowProperty(m_pDisplay, nWindow, property, 0, 1L << 20, False, AnyPropertyType, &type, &nFormat, &nItems,
                           &nAfter, &pData) == Success &&
        pData != nullptr && nFormat == 32) {
        // Xlib hands 32-bit items over as longs, sign-extended.
        const long* pItems = reinterpret_cast<const long*>(pData);
        for (unsigned long i = 0; i < nItems; ++i)
            items.push_back(static_cast<unsigned long>(pItems[i]) & 0xFFFFFFFFul);
    }
    if (pData != nullptr)
        XFree(pData);
    return items;
}

std::vector<std::string> CXScreen::GetAtomNames(unsigned long nWindow, const std::string& strProperty)
{
    std::vector<std::string> names;
    for (unsigned long nAtom : GetCardinals(nWindow, strProperty)) {
        char* pszName = XGetAtomName(m_pDisplay, nAtom);
        if (pszName != nullptr) {
            names.push_back(pszName);
            XFree(pszName);
        }
    }
    return names;
}

unsigned long CXScreen::FindWindowOfType(const std::string& strType)
{
    Window root = 0, parent = 0;
    Window* pChildren = nullptr;
    unsigned int nChildren = 0;
    if (!XQueryTree(m_pDisplay, DefaultRootWindow(m_pDisplay), &root, &parent, &pChildren, &nChildren))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < nChildren && found == 0; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(m_pDisplay, pChildren[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        std::vector<std::string> types = GetAtomNames(pChildren[i], "_NET_WM_WINDOW_TYPE");
        if (std::find(types.begin(), types.end(), strType) != types.end())
            found = pChildren[i];
    }
    if (pChildren != nullptr)
        XFree(pChildren);
    return found;
}

unsigned long CXScreen::CreateWindow(const std::string& strTitle, const XRECT& rc)
{
    Window window = XCreateSimpleWindow(m_pDisplay, DefaultRootWindow(m_pDisplay), rc.x, rc.y,
                                        static_cast<unsigned>(rc.cx), static_cast<unsigned>(rc.cy), 0, 0, 0xFFFFFF);
    XStoreName(m_pDisplay, window, strTitle.c_str());
    XWMHints hints = {};
    hints.flags = InputHint;
    hints.input = True;
    XSetWMHints(m_pDisplay, window, &hints);
    XMapWindow(m_pDisplay, window);
    XSync(m_pDisplay, False);
    return window;
}

std::string CXScreen::GetWindowClass(unsigned long nWindow)
{
    XClassHint hint = {nullptr, nullptr};
    std::string strClass;
    if (XGetClassHint(m_pDisplay, nWindow, &hint) && hint.res_class != nullptr)
        strClass = hint.res_class;
    if (hint.res_name != nullptr)
        XFree(hint.res_name);
    if (hint.res_class != nullptr)
        XFree(hint.res_class);
    return strClass;
}

std::vector<uint32_t> CXScreen::Grab(const XRECT& rc)
{
    std::vector<uint32_t> pixels;
    XImage* pImage = XGetImage(m_pDisplay, DefaultRootWindow(m_pDisplay), rc.x, rc.y, static_cast<unsigned>(rc.cx),
                               static_cast<unsigned>(rc.cy), AllPlanes, ZPixmap);
    if (pImage == nullptr)
        return pixels;
    pixels.reserve(static_cast<size_t>(rc.cx) * static_cast<size_t>(rc.cy));
    for (int y = 0; y < rc.cy; ++y) {
        for (int x = 0; x < rc.cx; ++x) {
            unsigned long nPixel = XGetPixel(pImage, x, y);
            uint32_t r = static_cast<uint32_t>((nPixel & pImage->red_mask) >> 16);
            uint32_t g = static_cast<uint32_t>((nPixel & pImage->green_mask) >> 8);
            uint32_t b = static_cast<uint32_t>(nPixel & pImage->blue_mask);
            pixels.push_back((r << 16) | (g << 8) | b);
        }
    }
    XDestroyImage(pImage);
    return pixels;
}

bool CXScreen::SetResources(const std::string& strResources)
{
    XChangeProperty(m_pDisplay, DefaultRootWindow(m_pDisplay), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(strResources.data()), static_cast<int>(strResources.size()));
    return XSync(m_pDisplay, False) != 0;
}
