#include "module.h"

#include "gesticon_ids.h"

#include <atomic>

namespace gesticon::com::module {

namespace {

HMODULE g_module = nullptr;
std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};

INIT_ONCE g_typeInfoOnce = INIT_ONCE_STATIC_INIT;
ITypeInfo* g_typeInfo = nullptr;
HRESULT g_typeInfoResult = E_UNEXPECTED;

BOOL CALLBACK loadTypeInfo(PINIT_ONCE, PVOID, PVOID*)
{
    ITypeLib* library = nullptr;
    g_typeInfoResult = loadOwnTypeLibrary(&library);
    if (SUCCEEDED(g_typeInfoResult)) {
        g_typeInfoResult = library->GetTypeInfoOfGuid(ids::kIidAsistente, &g_typeInfo);
        library->Release();
    }
    return TRUE;
}

}  // namespace

HMODULE handle()
{
    return g_module;
}

std::wstring path()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(g_module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

void objectCreated()
{
    ++g_objects;
}

void objectDestroyed()
{
    --g_objects;
}

void lock(bool locking)
{
    if (locking)
        ++g_locks;
    else
        --g_locks;
}

bool inUse()
{
    return g_objects.load() != 0 || g_locks.load() != 0;
}

HRESULT loadOwnTypeLibrary(ITypeLib** library)
{
    return LoadTypeLibEx(path().c_str(), REGKIND_NONE, library);
}

HRESULT asistenteTypeInfo(ITypeInfo** info)
{
    InitOnceExecuteOnce(&g_typeInfoOnce, loadTypeInfo, nullptr, nullptr);
    *info = g_typeInfo;
    return g_typeInfoResult;
}

}  // namespace gesticon::com::module

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    using namespace gesticon::com::module;
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr && g_typeInfo) {
        // Unloaded by FreeLibrary (not at process end): oleaut32 is still there.
        g_typeInfo->Release();
        g_typeInfo = nullptr;
    }
    return TRUE;
}
