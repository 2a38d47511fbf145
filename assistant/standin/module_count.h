#pragma once
// Live objects and class-factory locks of this server, for DllCanUnloadNow,
// and the server's module.
#include <windows.h>

namespace gesticon::standin {

void objectCreated();
void objectDestroyed();
void lockServer(bool lock);
bool serverInUse();
// The stand-in DLL this is linked into.
HMODULE standInModule();

} // namespace gesticon::standin
