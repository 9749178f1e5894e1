#include "platform/shell/IAfxBeep.h"

#include "platform/backend/AfxDesktopBeep.h"

namespace {

struct CDesktopBeep : IAfxBeep {
    BOOL Beep(UINT uType) override { return AfxDesktopBeep(uType); }
};

IAfxBeep* s_pBeep = nullptr;

}  // namespace

IAfxBeep* AfxSetBeep(IAfxBeep* pBeep)
{
    IAfxBeep* pOld = s_pBeep;
    s_pBeep = pBeep;
    return pOld;
}

IAfxBeep* AfxGetBeep()
{
    static CDesktopBeep s_desktopBeep;
    return s_pBeep != nullptr ? s_pBeep : &s_desktopBeep;
}
