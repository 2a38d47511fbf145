// What every stand-in DLL keeps of itself (its module handle, its object and
// lock counts; one of each in each DLL that links this file) and the entry
// points that need nothing else.
#include "module_count.h"

namespace gesticon::standin {

namespace {

HMODULE thisModule = nullptr;
LONG liveObjects = 0;
LONG serverLocks = 0;

} // namespace

void objectCreated()
{
    InterlockedIncrement(&liveObjects);
}
void objectDestroyed()
{
    InterlockedDecrement(&liveObjects);
}
void lockServer(bool lock)
{
    if (lock)
        InterlockedIncrement(&serverLocks);
    else
        InterlockedDecrement(&serverLocks);
}
bool serverInUse()
{
    return liveObjects != 0 || serverLocks != 0;
}

HMODULE standInModule()
{
    return thisModule;
}

} // namespace gesticon::standin

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        gesticon::standin::thisModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return gesticon::standin::serverInUse() ? S_FALSE : S_OK;
}
