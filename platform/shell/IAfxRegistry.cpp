#include "platform/shell/IAfxRegistry.h"

#include "platform/shell/CXdgRegistry.h"

namespace {

IAfxRegistry* s_pRegistry = nullptr;

}  // namespace

IAfxRegistry* AfxSetRegistry(IAfxRegistry* pRegistry)
{
    IAfxRegistry* pOld = s_pRegistry;
    s_pRegistry = pRegistry;
    return pOld;
}

IAfxRegistry* AfxGetRegistry()
{
    static CXdgRegistry s_xdgRegistry;
    return s_pRegistry != nullptr ? s_pRegistry : &s_xdgRegistry;
}
