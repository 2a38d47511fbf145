#pragma once

#include "check.h"

#include <string>

namespace gesticon::typelib_check {

// Whether the agent control (or its stand-in) is registered in this prefix.
bool agentControlRegistered();

// The object and the server entry points of the library at `dll`, which is
// the one registered.
void checkObject(Checks& checks, const std::wstring& dll);

}  // namespace gesticon::typelib_check
