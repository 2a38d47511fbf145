#pragma once

#include "check.h"

#include <string>

namespace gesticon::typelib_check {

// The entries DllRegisterServer writes, for the library at `dll`.
void checkRegistered(Checks& checks, const std::wstring& dll);
// None of them is left.
void checkUnregistered(Checks& checks);

}  // namespace gesticon::typelib_check
