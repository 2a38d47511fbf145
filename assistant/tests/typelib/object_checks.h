#pragma once

#include "checks.h"

#include <string>

namespace gesticon::tests {

// The object and the server entry points of the library at `dll`, which is
// the one registered.
void checkObject(Checks& checks, const std::wstring& dll);

} // namespace gesticon::tests
