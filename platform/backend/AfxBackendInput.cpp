// SDL events in, neutral input events out; and the way back for synthetic input.
#include <SDL.h>

#include "platform/backend/AfxAtspi.h"
#include "platform/backend/AfxBackend.h"
#include "platform/backend/AfxBackendWindow.h"
#include "platform/backend/AfxBackendX11.h"

namespace {

struct KEYMAP {
    SDL_Keycode nSdl;
    UINT nVirtKey;
};

const KEYMAP g_keys[] = {
    {SDLK_BACKSPACE, VK_BACK}, {SDLK_TAB, VK_TAB},       {SDLK_RETURN, VK_RETURN},
    {SDLK_KP_ENTER, VK_RETURN}, {SDLK_ESCAPE, VK_ESCAPE}, {SDLK_SPACE, VK_SPACE},
    {SDLK_PAGEUP, VK_PRIOR},   {SDLK_PAGEDOWN, VK_NEXT}, {SDLK_END, VK_END},
    {SDLK_HOME, VK_HOME},      {SDLK_LEFT, VK_LEFT},     {SDLK_UP, VK_UP},
    {SDLK_RIGHT, VK_RIGHT},    {SDLK_DOWN, VK_DOWN},     {SDLK_INSERT, VK_INSERT},
    {SDLK_DELETE, VK_DELETE},  {SDLK_APPLICATION, VK_APPS}, {SDLK_MENU, VK_APPS},
    {SDLK_LSHIFT, VK_SHIFT},   {SDLK_RSHIFT, VK_SHIFT},  {SDLK_LCTRL, VK_CONTROL},
    {SDLK_RCTRL, VK_CONTROL},  {SDLK_LALT, VK_MENU},     {SDLK_RALT, VK_MENU},
};

UINT VirtKeyOf(SDL_Keycode nKey)
{
    if (nKey >= SDLK_a && nKey <= SDLK_z)
        return static_cast<UINT>('A' + (nKey - SDLK_a));
    if (nKey >= SDLK_0 && nKey <= SDLK_9)
        return static_cast<UINT>('0' + (nKey - SDLK_0));
    if (nKey >= SDLK_F1 && nKey <= SDLK_F12)
        return static_cast<UINT>(VK_F1 + (nKey - SDLK_F1));
    for (const KEYMAP& key : g_keys) {
        if (key.nSdl == nKey)
            return key.nVirtKey;
    }
    return 0;
}

SDL_Keycode SdlKeyOf(UINT nVirtKey)
{
    if (nVirtKey >= 'A' && nVirtKey <= 'Z')
        return SDLK_a + static_cast<SDL_Keycode>(nVirtKey - 'A');
    if (nVirtKey >= '0' && nVirtKey <= '9')
        return SDLK_0 + static_cast<SDL_Keycode>(nVirtKey - '0');
    if (nVirtKey >= VK_F1 && nVirtKey <= VK_F12)
        return SDLK_F1 + static_cast<SDL_Keycode>(nVirtKey - VK_F1);
    for (const KEYMAP& key : g_keys) {
        if (key.nVirtKey == nVirtKey)
            return key.nSdl;
    }
    return SDLK_UNKNOWN;
}

UINT KeyFlagsOf(Uint16 nMod)
{
    UINT nFlags = 0;
    if (nMod & KMOD_SHIFT)
        nFlags |= AFX_KEY_SHIFT;
    if (nMod & KMOD_CTRL)
        nFlags |= AFX_KEY_CONTROL;
    if (nMod & KMOD_ALT)
        nFlags |= AFX_KEY_ALT;
    return nFlags;
}

Uint16 SdlModOf(UINT nFlags)
{
    Uint16 nMod = 0;
    if (nFlags & AFX_KEY_SHIFT)
        nMod |= KMOD_LSHIFT;
    if (nFlags & AFX_KEY_CONTROL)
        nMod |= KMOD_LCTRL;
    if (nFlags & AFX_KEY_ALT)
        nMod |= KMOD_LALT;
    return nMod;
}

int WindowEventType(Uint8 nEvent)
{
    switch (nEvent) {
    case SDL_WINDOWEVENT_CLOSE: return AFX_EVENT_CLOSE;
    case SDL_WINDOWEVENT_EXPOSED: return AFX_EVENT_EXPOSE;
    case SDL_WINDOWEVENT_FOCUS_GAINED: return AFX_EVENT_ACTIVATE;
    case SDL_WINDOWEVENT_FOCUS_LOST: return AFX_EVENT_DEACTIVATE;
    case SDL_WINDOWEVENT_MINIMIZED: return AFX_EVENT_MINIMIZE;
    case SDL_WINDOWEVENT_RESTORED: return AFX_EVENT_RESTORE;
    case SDL_WINDOWEVENT_LEAVE: return AFX_EVENT_MOUSELEAVE;
    case SDL_WINDOWEVENT_MOVED: return AFX_EVENT_MOVE;
    default: return AFX_EVENT_NONE;
    }
}

// Fills pEvent from an SDL event; FALSE for events nobody above needs.
BOOL Translate(const SDL_Event& e, AFX_INPUT_EVENT* pEvent)
{
    *pEvent = AFX_INPUT_EVENT();
    switch (e.type) {
    case SDL_MOUSEMOTION:
        pEvent->nType = AFX_EVENT_MOUSEMOVE;
        pEvent->pWindow = AfxBackendWindowFromId(e.motion.windowID);
        pEvent->x = AfxLogicalPixels(e.motion.x);
        pEvent->y = AfxLogicalPixels(e.motion.y);
        pEvent->nKeyFlags = KeyFlagsOf(static_cast<Uint16>(SDL_GetModState()));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        pEvent->nType = e.type == SDL_MOUSEBUTTONDOWN ? AFX_EVENT_BUTTONDOWN : AFX_EVENT_BUTTONUP;
        pEvent->pWindow = AfxBackendWindowFromId(e.button.windowID);
        pEvent->x = AfxLogicalPixels(e.button.x);
        pEvent->y = AfxLogicalPixels(e.button.y);
        pEvent->nButton = e.button.button == SDL_BUTTON_LEFT     ? AFX_BUTTON_LEFT
                          : e.button.button == SDL_BUTTON_RIGHT  ? AFX_BUTTON_RIGHT
                          : e.button.button == SDL_BUTTON_MIDDLE ? AFX_BUTTON_MIDDLE
                                                                 : 0;
        pEvent->nClicks = e.button.clicks;
        pEvent->nKeyFlags = KeyFlagsOf(static_cast<Uint16>(SDL_GetModState()));
        return pEvent->nButton != 0;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        pEvent->nType = e.type == SDL_KEYDOWN ? AFX_EVENT_KEYDOWN : AFX_EVENT_KEYUP;
        pEvent->pWindow = AfxBackendWindowFromId(e.key.windowID);
        pEvent->nVirtKey = VirtKeyOf(e.key.keysym.sym);
        pEvent->nKeyFlags = KeyFlagsOf(e.key.keysym.mod);
        return pEvent->nVirtKey != 0;
    case SDL_WINDOWEVENT:
        pEvent->nType = WindowEventType(e.window.event);
        pEvent->pWindow = AfxBackendWindowFromId(e.window.windowID);
        // A move's position on the screen; other window events carry no point.
        pEvent->x = AfxLogicalPixels(e.window.data1);
        pEvent->y = AfxLogicalPixels(e.window.data2);
        break;
    default:
        return FALSE;
    }
    return pEvent->nType != AFX_EVENT_NONE && pEvent->pWindow != nullptr;
}

// The next SDL event, waiting up to nTimeoutMs (negative: for ever). On X11 the wait is
// ours: SDL's own wakes itself by sending an event to one of our windows over a second
// connection, and the server may take that after the window was destroyed on the first;
// Xlib then ends the program with BadWindow.
int NextSdlEvent(SDL_Event* pEvent, int nTimeoutMs)
{
    if (SDL_PollEvent(pEvent))
        return 1;
    if (nTimeoutMs == 0)
        return 0;
    // Events queued behind the end of the last pump need no wait.
    if (!SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) && !AfxX11WaitForInput(nTimeoutMs))
        return nTimeoutMs < 0 ? SDL_WaitEvent(pEvent) : SDL_WaitEventTimeout(pEvent, nTimeoutMs);
    return SDL_PollEvent(pEvent);
}

Uint32 WindowIdOf(AFX_OSWINDOW* pWindow) { return pWindow != nullptr ? SDL_GetWindowID(pWindow->pSdl) : 0; }

void (*g_pfnExposed)(AFX_OSWINDOW*) = nullptr;
Uint32 g_nExposedUpTo = 0;  // exposes up to this time were handed on already

// Exposes waiting in the queue, handed on without taking them out: everything stays in order.
void HandOnExposes()
{
    SDL_Event events[32];
    const int nEvents = SDL_PeepEvents(events, 32, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
    for (int i = 0; i < nEvents; ++i) {
        const SDL_WindowEvent& e = events[i].window;
        if (e.event != SDL_WINDOWEVENT_EXPOSED || SDL_TICKS_PASSED(g_nExposedUpTo, e.timestamp))
            continue;
        g_nExposedUpTo = e.timestamp;
        AFX_OSWINDOW* pWindow = AfxBackendWindowFromId(e.windowID);
        if (pWindow != nullptr && g_pfnExposed != nullptr)
            g_pfnExposed(pWindow);
    }
}

}  // namespace

AFX_OSWINDOW* AfxBackendWindowFromId(Uint32 nWindowId)
{
    SDL_Window* pSdl = SDL_GetWindowFromID(nWindowId);
    return pSdl != nullptr ? static_cast<AFX_OSWINDOW*>(SDL_GetWindowData(pSdl, "afx")) : nullptr;
}

BOOL AfxBackendNextEvent(AFX_INPUT_EVENT* pEvent, int nTimeoutMs)
{
    if (!AfxBackendIsReady())
        return FALSE;
    Uint32 nStart = SDL_GetTicks();
    for (;;) {
        int nLeft = nTimeoutMs;
        if (nTimeoutMs > 0) {
            Uint32 nSpent = SDL_GetTicks() - nStart;
            nLeft = nSpent >= static_cast<Uint32>(nTimeoutMs) ? 0 : nTimeoutMs - static_cast<int>(nSpent);
        }
        SDL_Event e;
        if (NextSdlEvent(&e, nLeft)) {
            if (Translate(e, pEvent))
                return TRUE;
        } else if (nLeft == 0 || AfxAtspiTakeWakeUp()) {
            // The accessibility bus may have queued a message: the caller looks.
            return FALSE;
        }
    }
}

void AfxBackendSetExposeHandler(void (*pfnExposed)(AFX_OSWINDOW* pWindow)) { g_pfnExposed = pfnExposed; }

void AfxBackendWaitOutside(int nMs)
{
    if (!AfxBackendIsReady() || !AfxX11WaitForInput(nMs)) {
        SDL_Delay(static_cast<Uint32>(nMs));
        return;
    }
    SDL_PumpEvents();
    HandOnExposes();
}

BOOL AfxBackendPushEvent(const AFX_INPUT_EVENT& event)
{
    SDL_Event e;
    SDL_zero(e);
    Uint32 nWindowId = WindowIdOf(event.pWindow);
    switch (event.nType) {
    case AFX_EVENT_MOUSEMOVE:
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = nWindowId;
        e.motion.x = AfxDevicePixels(event.x);
        e.motion.y = AfxDevicePixels(event.y);
        break;
    case AFX_EVENT_BUTTONDOWN:
    case AFX_EVENT_BUTTONUP:
        e.type = event.nType == AFX_EVENT_BUTTONDOWN ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.windowID = nWindowId;
        e.button.x = AfxDevicePixels(event.x);
        e.button.y = AfxDevicePixels(event.y);
        e.button.button = static_cast<Uint8>(event.nButton == AFX_BUTTON_RIGHT    ? SDL_BUTTON_RIGHT
                                             : event.nButton == AFX_BUTTON_MIDDLE ? SDL_BUTTON_MIDDLE
                                                                                  : SDL_BUTTON_LEFT);
        e.button.state = event.nType == AFX_EVENT_BUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = static_cast<Uint8>(event.nClicks > 0 ? event.nClicks : 1);
        break;
    case AFX_EVENT_KEYDOWN:
    case AFX_EVENT_KEYUP:
        e.type = event.nType == AFX_EVENT_KEYDOWN ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.windowID = nWindowId;
        e.key.state = event.nType == AFX_EVENT_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = SdlKeyOf(event.nVirtKey);
        e.key.keysym.mod = SdlModOf(event.nKeyFlags);
        break;
    case AFX_EVENT_CLOSE:
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = nWindowId;
        e.window.event = SDL_WINDOWEVENT_CLOSE;
        break;
    default:
        return FALSE;
    }
    return SDL_PushEvent(&e) == 1;
}
