#pragma once

#include "checks.h"

#include <windows.h>

#include <string>

namespace gesticon::tests {

// Gesticon's keys under HKEY_CLASSES_ROOT.
extern const std::wstring kClassKey;
extern const std::wstring kInterfaceKey;
extern const std::wstring kTypeLibKey;

// In the registry view `view` (0: the process's own).
bool keyExists(const std::wstring& key, REGSAM view = 0);
// A text value, or "<missing>" when the key or the value is absent.
std::wstring registryValue(const std::wstring& key, const wchar_t* name = nullptr);

// The entries DllRegisterServer writes, for the library at `dll` (as the
// registering process sees its path).
void checkRegistered(Checks& checks, const std::wstring& dll);
// None of them is left.
void checkUnregistered(Checks& checks);

} // namespace gesticon::tests
