#include "platform/shell/IAfxShell.h"

#include "platform/shell/CXdgShell.h"

namespace {

IAfxShell* s_pShell = nullptr;

}  // namespace

IAfxShell* AfxSetShell(IAfxShell* pShell)
{
    IAfxShell* pOld = s_pShell;
    s_pShell = pShell;
    return pOld;
}

IAfxShell* AfxGetShell()
{
    static CXdgShell s_xdgShell;
    return s_pShell != nullptr ? s_pShell : &s_xdgShell;
}
