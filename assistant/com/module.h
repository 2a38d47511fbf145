#pragma once
// What the library keeps for itself: its module handle, the counts behind
// DllCanUnloadNow, and the type information of `_asistente`, loaded once
// from the library's own type library resource.

#include <oaidl.h>
#include <windows.h>

#include <string>

namespace gesticon::com::module {

std::wstring path();

void objectCreated();
void objectDestroyed();
void lock(bool locking);
bool inUse();

// The dispatch view of `_asistente` (not AddRef'ed for the caller), or the
// failure of loading it.
HRESULT asistenteTypeInfo(ITypeInfo** info);
// The type library of this file, with a reference for the caller.
HRESULT loadOwnTypeLibrary(ITypeLib** library);

} // namespace gesticon::com::module
