#include "platform/shell/IAfxBeep.h"

#include "platform/backend/SdlBeep.h"

namespace {

struct CSdlBeep : IAfxBeep {
    BOOL Beep(UINT uType) override { return AfxSdlBeep(uType); }
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
    static CSdlBeep s_sdlBeep;
    return s_pBeep != nullptr ? s_pBeep : &s_sdlBeep;
}
