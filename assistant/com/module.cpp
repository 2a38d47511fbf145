#include "module.h"

#include "builtin_control.h"
#include "gesticon_ids.h"

#include <atomic>

namespace gesticon::com::module {

namespace {

HMODULE thisModule = nullptr;
std::atomic<long> liveObjects{0};
std::atomic<long> serverLocks{0};

// Loaded on first use and kept; a plain atomic rather than a one-time
// initialisation object, which Windows XP does not have.
std::atomic<ITypeInfo*> asistenteInfo{nullptr};

} // namespace

std::wstring path()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(thisModule, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

void objectCreated()
{
    ++liveObjects;
}

void objectDestroyed()
{
    --liveObjects;
}

void lock(bool locking)
{
    if (locking)
        ++serverLocks;
    else
        --serverLocks;
}

bool inUse()
{
    return liveObjects.load() != 0 || serverLocks.load() != 0;
}

HRESULT loadOwnTypeLibrary(ITypeLib** library)
{
    return LoadTypeLibEx(path().c_str(), REGKIND_NONE, library);
}

HRESULT asistenteTypeInfo(ITypeInfo** info)
{
    *info = asistenteInfo.load();
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
    if (!asistenteInfo.compare_exchange_strong(kept, loaded)) {
        loaded->Release();
        loaded = kept;
    }
    *info = loaded;
    return S_OK;
}

} // namespace gesticon::com::module

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    using namespace gesticon::com::module;
    if (reason == DLL_PROCESS_ATTACH) {
        thisModule = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // Unloaded by FreeLibrary (not at process end): oleaut32 is still there.
        if (ITypeInfo* cached = asistenteInfo.exchange(nullptr))
            cached->Release();
        // A later load may sit elsewhere: its windows must not find this copy's procedures.
        gesticon::builtin::unregisterWindowClasses();
    }
    return TRUE;
}
