#include "module.h"

#include "gesticon_ids.h"

#include <atomic>

namespace gesticon::com::module {

namespace {

HMODULE g_module = nullptr;
std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};

// Loaded on first use and kept; a plain atomic rather than a one-time
// initialisation object, which Windows XP does not have.
std::atomic<ITypeInfo*> g_typeInfo{nullptr};

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
    *info = g_typeInfo.load();
    if (*info)
        return S_OK;
    ITypeLib* library = nullptr;
    HRESULT hr = loadOwnTypeLibrary(&library);
    if (FAILED(hr))
        return hr;
    ITypeInfo* loaded = nullptr;
    hr = library->GetTypeInfoOfGuid(ids::kIidAsistente, &loaded);
    library->Release();
    if (FAILED(hr))
        return hr;
    // Threads of two apartments may race here: the first one's copy is kept.
    ITypeInfo* kept = nullptr;
    if (!g_typeInfo.compare_exchange_strong(kept, loaded)) {
        loaded->Release();
        loaded = kept;
    }
    *info = loaded;
    return S_OK;
}

}  // namespace gesticon::com::module

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    using namespace gesticon::com::module;
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // Unloaded by FreeLibrary (not at process end): oleaut32 is still there.
        if (ITypeInfo* cached = g_typeInfo.exchange(nullptr))
            cached->Release();
    }
    return TRUE;
}
