#pragma once
// Registering a stand-in's class as an in-process server of this module, as
// regsvr32 asks, and removing it again. Shared by the stand-ins.
#include <windows.h>

namespace gesticon::standin {

HRESULT registerInprocClass(HMODULE module, REFCLSID clsid, const wchar_t* description);
HRESULT unregisterInprocClass(REFCLSID clsid);

} // namespace gesticon::standin
