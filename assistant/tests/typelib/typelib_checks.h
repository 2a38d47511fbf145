#pragma once

#include "checks.h"

#include <windows.h>
#include <oaidl.h>

namespace gesticon::tests {

// Checks `library` against every row of the type library's tables.
void checkTypeLibrary(Checks& checks, ITypeLib* library, SYSKIND syskind, const std::string& label);

} // namespace gesticon::tests
