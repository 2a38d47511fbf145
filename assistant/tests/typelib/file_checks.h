#pragma once
// Checks on the library files themselves, readable for either target from a
// 64-bit process: the type library resource, the version block, the exports.

#include "checks.h"

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

namespace gesticon::tests {

// The bytes of resource "TYPELIB" 1 of the file (empty when missing).
std::vector<unsigned char> typeLibraryResource(const std::wstring& dll);
// The languages resource "TYPELIB" 1 is stored under.
std::vector<WORD> typeLibraryLanguages(const std::wstring& dll);

// The stored function records of `_asistente`: vtable offsets in the target's
// pointer size, and no names on the put parameters.
void checkStoredRecords(Checks& checks, const std::vector<unsigned char>& tlb, int pointerSize,
                        const std::string& label);

void checkVersionBlock(Checks& checks, const std::wstring& dll, const std::string& label);

// The four entry points by name with ordinals 1 to 4, and nothing else; the
// machine of the file.
void checkExports(Checks& checks, const std::wstring& dll, WORD machine, const std::string& label);

} // namespace gesticon::tests
