// Creates and releases 10,000 assistants, one in ten of them shown (so each
// of those owns a loaded character and an advised event sink), and checks that
// afterwards both servers may unload and that the process holds no more
// handles and memory than before, within a small tolerance. Prints the figures.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>

#include "checks.h"
#include "com_client.h"
#include "contract.h"

using namespace gesticon::tests;

namespace {

constexpr int kObjects = 10000;
constexpr int kWarmUp = 200;
constexpr DWORD kHandleTolerance = 8;
// A leak of even one small allocation per object (10,000 x 128 bytes) is
// above this; allocator slack stays below it.
constexpr SIZE_T kMemoryTolerance = 1024 * 1024;

EntryPoint canUnload(const wchar_t* module)
{
    return exported<EntryPoint>(GetModuleHandleW(module), "DllCanUnloadNow");
}

// Objects come from the class factory, looked up once, so that the run
// measures the objects rather than registry look-ups.
bool cycle(IClassFactory* factory, int count, Checks& check)
{
    for (int i = 0; i < count; ++i) {
        IDispatch* a = nullptr;
        if (FAILED(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&a)))) {
            check.that(false, "creating object " + std::to_string(i));
            return false;
        }
        if (i % 10 == 0) {
            CallResult shown = callMethod(a, L"Show", {Var::int32(3082), Var::int32(i % 4)});
            if (!shown.ok()) {
                check.that(false, "Show on object " + std::to_string(i) + ": " + hex(shown.code));
                a->Release();
                return false;
            }
            callMethod(a, L"Speak", {Var::text(L"Hola")});
        }
        a->Release();
    }
    return true;
}

struct Usage {
    DWORD handles = 0;
    // Wine does not count a process's handles (GetProcessHandleCount gives 0),
    // but hands out the lowest free slot to each new handle, so the value of a
    // fresh handle grows with every handle left open.
    UINT_PTR freshHandle = 0;
    SIZE_T privateBytes = 0;
};

Usage usage()
{
    Usage u;
    GetProcessHandleCount(GetCurrentProcess(), &u.handles);
    HANDLE probe = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    u.freshHandle = reinterpret_cast<UINT_PTR>(probe);
    CloseHandle(probe);
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    u.privateBytes = counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
    return u;
}

} // namespace

int main()
{
    CoInitialize(nullptr);
    Checks check;
    SetEnvironmentVariableW(L"AGENT_STANDIN_JOURNAL", nullptr);

    CLSID clsid;
    IClassFactory* factory = nullptr;
    if (SUCCEEDED(CLSIDFromProgID(kProgId, &clsid)))
        CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    check.that(factory != nullptr, "the class factory of Gesticon.asistente is found");
    if (!factory)
        return check.finish();

    // Loads both servers and lets every one-time allocation happen first.
    if (!cycle(factory, kWarmUp, check))
        return check.finish();
    EntryPoint gesticon = canUnload(L"Gesticon.dll");
    EntryPoint standIn = canUnload(L"AgentStandIn.dll");
    check.that(gesticon != nullptr && standIn != nullptr, "both servers are loaded in the process");
    if (!gesticon || !standIn)
        return check.finish();

    IDispatch* held = nullptr;
    factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&held));
    check.that(held && gesticon() == S_FALSE, "DllCanUnloadNow is S_FALSE while an object lives");
    if (held)
        held->Release();

    // The measures must see a leak when there is one: 16 handles and 4 MiB
    // held on purpose show up, and are given back before the real run.
    {
        Usage quiet = usage();
        HANDLE kept[16];
        for (HANDLE& h : kept)
            h = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        void* block = VirtualAlloc(nullptr, 4 << 20, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (block)
            std::memset(block, 1, 4 << 20);
        Usage loaded = usage();
        check.that(loaded.freshHandle >= quiet.freshHandle + 16 * 4 || loaded.handles >= quiet.handles + 16,
                   "the handle measure sees 16 handles held");
        check.that(loaded.privateBytes >= quiet.privateBytes + (4 << 20) - (256 << 10),
                   "the memory measure sees 4 MiB held");
        for (HANDLE h : kept)
            CloseHandle(h);
        if (block)
            VirtualFree(block, 0, MEM_RELEASE);
    }

    Usage before = usage();
    DWORD started = GetTickCount();
    bool completed = cycle(factory, kObjects, check);
    DWORD elapsed = GetTickCount() - started;
    Usage after = usage();

    std::printf("objects: %d created and released in %lu ms\n", kObjects, elapsed);
    std::printf("handles: %lu before, %lu after; a fresh handle's value %llu before, %llu after\n", before.handles,
                after.handles, static_cast<unsigned long long>(before.freshHandle),
                static_cast<unsigned long long>(after.freshHandle));
    std::printf("private memory: %llu KiB before, %llu KiB after\n",
                static_cast<unsigned long long>(before.privateBytes / 1024),
                static_cast<unsigned long long>(after.privateBytes / 1024));
    check.that(completed, "all objects were created and released");
    factory->Release();
    check.that(gesticon() == S_OK, "Gesticon's DllCanUnloadNow is S_OK after the last release");
    check.that(standIn() == S_OK, "every control the objects created has been released");
    check.that(after.handles <= before.handles + kHandleTolerance, "no growth in the handle count");
    check.that(after.freshHandle <= before.freshHandle + 4 * kHandleTolerance, "no growth in the handle table");
    check.that(after.privateBytes <= before.privateBytes + kMemoryTolerance, "no growth in memory");
    int failures = check.finish();
    CoUninitialize();
    return failures;
}
