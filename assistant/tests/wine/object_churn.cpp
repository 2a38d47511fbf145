// Creates and releases 10,000 assistants, one in ten of them shown (so each
// of those owns a loaded character and an advised event sink), and checks that
// afterwards both servers may unload and that the process holds no more
// handles and memory than before, within a small tolerance. Prints the figures.
#include <windows.h>
#include <psapi.h>

#include <cstdio>

#include "support/check.h"
#include "support/com_client.h"

using namespace wine_tests;

namespace {

constexpr int kObjects = 10000;
constexpr int kWarmUp = 200;
constexpr DWORD kHandleTolerance = 8;
// A leak of even one small allocation per object (10,000 x 128 bytes) is
// above this; allocator slack stays below it.
constexpr SIZE_T kMemoryTolerance = 1024 * 1024;

using CanUnload = HRESULT(STDAPICALLTYPE*)();

CanUnload canUnload(const wchar_t* module) {
    return reinterpret_cast<CanUnload>(GetProcAddress(GetModuleHandleW(module), "DllCanUnloadNow"));
}

bool cycle(int count, Checks& check) {
    for (int i = 0; i < count; ++i) {
        IDispatch* a = nullptr;
        if (FAILED(createByProgId(L"Gesticon.asistente", &a))) {
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
    SIZE_T privateBytes = 0;
};

Usage usage() {
    Usage u;
    GetProcessHandleCount(GetCurrentProcess(), &u.handles);
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    u.privateBytes = counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
    return u;
}

}  // namespace

int main() {
    CoInitialize(nullptr);
    Checks check;
    SetEnvironmentVariableW(L"AGENT_STANDIN_JOURNAL", nullptr);

    // Loads both servers and lets every one-time allocation happen first.
    if (!cycle(kWarmUp, check)) return check.finish();
    CanUnload gesticon = canUnload(L"Gesticon.dll");
    CanUnload standIn = canUnload(L"AgentStandIn.dll");
    check.that(gesticon != nullptr && standIn != nullptr, "both servers are loaded in the process");
    if (!gesticon || !standIn) return check.finish();

    IDispatch* held = nullptr;
    createByProgId(L"Gesticon.asistente", &held);
    check.that(held && gesticon() == S_FALSE, "DllCanUnloadNow is S_FALSE while an object lives");
    if (held) held->Release();

    Usage before = usage();
    DWORD started = GetTickCount();
    bool completed = cycle(kObjects, check);
    DWORD elapsed = GetTickCount() - started;
    Usage after = usage();

    std::printf("objects: %d created and released in %lu ms\n", kObjects, elapsed);
    std::printf("handles: %lu before, %lu after\n", before.handles, after.handles);
    std::printf("private memory: %zu KiB before, %zu KiB after\n", before.privateBytes / 1024,
                after.privateBytes / 1024);
    check.that(completed, "all objects were created and released");
    check.that(gesticon() == S_OK, "Gesticon's DllCanUnloadNow is S_OK after the last release");
    check.that(standIn() == S_OK, "every control the objects created has been released");
    check.that(after.handles <= before.handles + kHandleTolerance, "no growth in handles");
    check.that(before.privateBytes != 0, "the process reports its memory use");
    check.that(after.privateBytes <= before.privateBytes + kMemoryTolerance, "no growth in memory");
    int failures = check.finish();
    CoUninitialize();
    return failures;
}
