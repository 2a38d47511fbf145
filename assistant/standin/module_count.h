#pragma once
// Live objects and class-factory locks of this server, for DllCanUnloadNow.
#include <windows.h>

namespace gesticon::standin {

void objectCreated();
void objectDestroyed();
void lockServer(bool lock);
bool serverInUse();

} // namespace gesticon::standin
