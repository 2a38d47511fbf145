// The in-process server entry points: class factory for the control's class
// identifier and self-registration, so regsvr32 can put the stand-in where the
// real control would be.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include "agent_ids.h"
#include "class_factory.h"
#include "class_registration.h"
#include "control.h"
#include "module_count.h"

namespace gesticon::standin {

namespace {

StandInFactory factory(createControl);

} // namespace

} // namespace gesticon::standin

using namespace gesticon;
using namespace gesticon::standin;

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, agent::kClsidAgent))
        return CLASS_E_CLASSNOTAVAILABLE;
    return factory.QueryInterface(iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer()
{
    return registerInprocClass(standInModule(), agent::kClsidAgent, L"Animated agent control stand-in (test support)");
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    return unregisterInprocClass(agent::kClsidAgent);
}
