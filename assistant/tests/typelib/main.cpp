// Checks Gesticon's library surface under wine64: the registration written by
// regsvr32, the type library of both builds against every row of its tables,
// the stored records, the version block and exports of both files, and the
// object's late binding, error codes and server entry points.
//   typelib_check GESTICON64.DLL GESTICON32.DLL
// Needs the agent control (its stand-in) registered, to create objects.
// Exit status 0 when every check holds.

#include "com_client.h"
#include "contract.h"
#include "file_checks.h"
#include "object_checks.h"
#include "registration_checks.h"
#include "typelib_checks.h"

#include <oleauto.h>
#include <wrl/client.h>

#include <cstdio>
#include <fstream>

using namespace gesticon::tests;
using Microsoft::WRL::ComPtr;

namespace {

// Loads a type library from bytes, through a file of its own.
HRESULT loadFromBytes(const std::vector<unsigned char>& bytes, ITypeLib** library)
{
    wchar_t folder[MAX_PATH] = {}, file[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"tlb", 0, file);
    {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    const HRESULT hr = LoadTypeLibEx(file, REGKIND_NONE, library);
    // The library keeps what it needs in memory.
    DeleteFileW(file);
    return hr;
}

void checkBuild(Checks& checks, const std::wstring& dll, SYSKIND syskind, WORD machine, const std::string& label)
{
    const int pointerSize = syskind == SYS_WIN64 ? 8 : 4;
    const std::vector<unsigned char> resource = typeLibraryResource(dll);
    checks.section(("file " + label).c_str());
    checks.that(typeLibraryLanguages(dll) == std::vector<WORD>{MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)},
                label + " stores resource TYPELIB 1 once, language neutral");
    if (checks.that(!resource.empty(), label + " has resource TYPELIB 1")) {
        checkStoredRecords(checks, resource, pointerSize, label);
        ComPtr<ITypeLib> library;
        if (checks.that(SUCCEEDED(loadFromBytes(resource, &library)), label + " resource loads as a type library"))
            checkTypeLibrary(checks, library.Get(), syskind, label + " resource");
    }
    checkVersionBlock(checks, dll, label);
    checkExports(checks, dll, machine, label);
}

HRESULT callEntryPoint(const std::wstring& dll, const char* name)
{
    HMODULE library = LoadLibraryW(dll.c_str());
    if (!library)
        return HRESULT_FROM_WIN32(GetLastError());
    auto entry = exported<EntryPoint>(library, name);
    const HRESULT hr = entry ? entry() : E_NOTIMPL;
    FreeLibrary(library);
    return hr;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: typelib_check GESTICON64.DLL GESTICON32.DLL\n");
        return 2;
    }
    const std::wstring dll64 = argv[1];
    const std::wstring dll32 = argv[2];
    CoInitialize(nullptr);
    Checks checks;

    checkRegistered(checks, dll64);
    {
        ComPtr<ITypeLib> registered;
        if (checks.hr(LoadRegTypeLib(guid(kLibId), 1, 0, 0, &registered), S_OK, "LoadRegTypeLib(Gesticon 1.0)"))
            checkTypeLibrary(checks, registered.Get(), SYS_WIN64, "registered");
    }
    checkBuild(checks, dll64, SYS_WIN64, IMAGE_FILE_MACHINE_AMD64, "64-bit");
    checkBuild(checks, dll32, SYS_WIN32, IMAGE_FILE_MACHINE_I386, "32-bit");

    checkObject(checks, dll64);

    checks.hr(callEntryPoint(dll64, "DllUnregisterServer"), S_OK, "DllUnregisterServer");
    checkUnregistered(checks);
    checks.hr(callEntryPoint(dll64, "DllUnregisterServer"), S_OK, "DllUnregisterServer when not registered");
    checks.hr(callEntryPoint(dll64, "DllRegisterServer"), S_OK, "DllRegisterServer again");
    checkRegistered(checks, dll64);

    CoUninitialize();
    return checks.finish();
}
