#include "platform/shell/IAfxProcess.h"

#include "platform/shell/CSpawnProcess.h"

namespace {

IAfxProcess* s_pProcess = nullptr;

}  // namespace

IAfxProcess* AfxSetProcess(IAfxProcess* pProcess)
{
    IAfxProcess* pOld = s_pProcess;
    s_pProcess = pProcess;
    return pOld;
}

IAfxProcess* AfxGetProcess()
{
    static CSpawnProcess s_spawnProcess;
    return s_pProcess != nullptr ? s_pProcess : &s_spawnProcess;
}
