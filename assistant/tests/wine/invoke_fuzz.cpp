// A bounded, repeatable fuzz of the assistant's IDispatch::Invoke: dispatch
// identifiers (the real ones and others), every kind of invocation, 0 to 4
// arguments of many VARIANT types including references through null pointers,
// and malformed parameter blocks. The host must survive every call; afterwards
// the object must still answer, by-reference arguments must be untouched, and
// every object must be gone.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "checks.h"
#include "com_client.h"
#include "contract.h"

using namespace gesticon::tests;

namespace {

constexpr unsigned kSeed = 20240607;
constexpr int kIterations = 4000;

// The members' own identifiers, each once (a get and its put share one).
std::vector<DISPID> realIds()
{
    std::vector<DISPID> ids;
    for (const ExpectedMember& member : expectedMembers())
        if (ids.empty() || ids.back() != member.id)
            ids.push_back(member.id);
    return ids;
}
const DISPID kOtherIds[] = {0,
                            -1,
                            -2,
                            -3,
                            -4,
                            -5,
                            1,
                            0x60030000,
                            0x6003000C,
                            0x6003000F,
                            0x68030004,
                            0x7FFFFFFF,
                            static_cast<DISPID>(0x80000000)};
const WORD kFlags[] = {DISPATCH_METHOD,
                       DISPATCH_PROPERTYGET,
                       DISPATCH_PROPERTYPUT,
                       DISPATCH_PROPERTYPUTREF,
                       DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                       0,
                       0xFFFF};

// Storage the by-reference arguments point into; watched for writes.
struct Targets {
    short i2 = 1234;
    long i4 = 56789;
    VARIANT_BOOL b = VARIANT_TRUE;
    BSTR text = nullptr;
    VARIANT inner;
};

class Fuzzer {
public:
    Fuzzer(IDispatch* target, IDispatch* someObject) : target_(target), object_(someObject)
    {
        VariantInit(&targets_.inner);
        targets_.text = SysAllocString(L"referenced");
    }
    ~Fuzzer() { SysFreeString(targets_.text); }

    void once()
    {
        DISPID id = pick(4) == 0   ? kOtherIds[pick(std::size(kOtherIds))]
                    : pick(8) == 0 ? static_cast<DISPID>(random_())
                                   : realIds_[pick(realIds_.size())];
        WORD flags = kFlags[pick(std::size(kFlags))];
        unsigned count = pick(5);
        std::vector<VARIANT> args(count);
        for (VARIANT& v : args)
            fill(v);

        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{args.empty() ? nullptr : args.data(), nullptr, count, 0};
        if (count > 0 && pick(3) == 0) {
            params.rgdispidNamedArgs = &named;
            params.cNamedArgs = 1;
        }
        switch (pick(12)) { // malformed blocks, now and then
        case 0:
            params.rgvarg = nullptr;
            params.cArgs = 1 + pick(4);
            break;
        case 1:
            params.rgdispidNamedArgs = nullptr;
            params.cNamedArgs = 1;
            break;
        case 2:
            params.cNamedArgs = params.cArgs + 1;
            params.rgdispidNamedArgs = &named;
            break;
        default: break;
        }
        bool nullParams = pick(16) == 0;
        VARIANT result;
        VariantInit(&result);
        EXCEPINFO exception{};
        UINT argError = 0;
        target_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, nullParams ? nullptr : &params,
                        pick(4) == 0 ? nullptr : &result, pick(4) == 0 ? nullptr : &exception,
                        pick(4) == 0 ? nullptr : &argError);
        VariantClear(&result);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrHelpFile);
        for (VARIANT& v : args)
            clear(v);
        ++calls_;
    }

    bool targetsUntouched() const
    {
        return targets_.i2 == 1234 && targets_.i4 == 56789 && targets_.b == VARIANT_TRUE && targets_.text != nullptr &&
               std::wstring(targets_.text) == L"referenced";
    }
    int calls() const { return calls_; }

private:
    unsigned pick(size_t n) { return static_cast<unsigned>(random_() % n); }

    void fill(VARIANT& v)
    {
        std::memset(&v, 0, sizeof v);
        static const short smalls[] = {0, 1, -1, 66, 67, 68, 32767, -32768};
        static const long larges[] = {0, 3082, 52, 59, 66, 67, -1, 2147483647, static_cast<long>(0x80000000)};
        switch (pick(17)) {
        case 0: break; // VT_EMPTY
        case 1: V_VT(&v) = VT_NULL; break;
        case 2:
            V_VT(&v) = VT_I2;
            V_I2(&v) = smalls[pick(std::size(smalls))];
            break;
        case 3:
            V_VT(&v) = VT_I4;
            V_I4(&v) = larges[pick(std::size(larges))];
            break;
        case 4:
            V_VT(&v) = VT_R8;
            V_R8(&v) = pick(2) ? 1e300 : -0.5;
            break;
        case 5:
            V_VT(&v) = VT_BSTR;
            V_BSTR(&v) = pick(3) ? SysAllocString(L"Hola \"x\"") : nullptr;
            break;
        case 6:
            V_VT(&v) = VT_BOOL;
            V_BOOL(&v) = pick(2) ? VARIANT_TRUE : 7;
            break;
        case 7:
            V_VT(&v) = VT_DISPATCH;
            V_DISPATCH(&v) = pick(2) ? object_ : nullptr;
            if (V_DISPATCH(&v))
                object_->AddRef();
            break;
        case 8:
            V_VT(&v) = VT_UNKNOWN;
            V_UNKNOWN(&v) = nullptr;
            break;
        case 9:
            V_VT(&v) = VT_ERROR;
            V_ERROR(&v) = pick(2) ? DISP_E_PARAMNOTFOUND : E_FAIL;
            break;
        case 10:
            V_VT(&v) = VT_I2 | VT_BYREF;
            V_I2REF(&v) = pick(2) ? &targets_.i2 : nullptr;
            break;
        case 11:
            V_VT(&v) = VT_I4 | VT_BYREF;
            V_I4REF(&v) = pick(2) ? &targets_.i4 : nullptr;
            break;
        case 12:
            V_VT(&v) = VT_BOOL | VT_BYREF;
            V_BOOLREF(&v) = pick(2) ? &targets_.b : nullptr;
            break;
        case 13:
            V_VT(&v) = VT_BSTR | VT_BYREF;
            V_BSTRREF(&v) = pick(2) ? &targets_.text : nullptr;
            break;
        case 14:
            V_VT(&v) = VT_VARIANT | VT_BYREF;
            V_VARIANTREF(&v) = pick(2) ? &targets_.inner : nullptr;
            if (V_VARIANTREF(&v)) {
                // The inner value stays plain data so the check stays meaningful.
                V_VT(&targets_.inner) = pick(2) ? VT_I2 : VT_I4;
                if (V_VT(&targets_.inner) == VT_I2)
                    V_I2(&targets_.inner) = 5;
                else
                    V_I4(&targets_.inner) = 5;
            }
            break;
        case 15:
            V_VT(&v) = VT_ARRAY | VT_I4;
            V_ARRAY(&v) = nullptr;
            break;
        default: {
            // The other scalar types a client may legally send, each zero-filled.
            static const VARTYPE scalars[] = {VT_I1,  VT_UI1,  VT_UI2, VT_UI4, VT_I8,   VT_UI8,
                                              VT_INT, VT_UINT, VT_R4,  VT_CY,  VT_DATE, VT_DECIMAL};
            V_VT(&v) = scalars[pick(std::size(scalars))];
            break;
        }
        }
    }

    void clear(VARIANT& v)
    {
        // Only what this fuzzer allocated is freed: references and odd types are
        // left alone rather than trusted to VariantClear.
        if (V_VT(&v) == VT_BSTR)
            SysFreeString(V_BSTR(&v));
        if (V_VT(&v) == VT_DISPATCH && V_DISPATCH(&v))
            V_DISPATCH(&v)->Release();
    }

    IDispatch* target_;
    IDispatch* object_;
    const std::vector<DISPID> realIds_ = realIds();
    std::mt19937 random_{kSeed};
    Targets targets_;
    int calls_ = 0;
};

} // namespace

int main()
{
    CoInitialize(nullptr);
    Checks check;
    // No journal: the fuzz is about surviving, not about what reaches the control.
    SetEnvironmentVariableW(L"AGENT_STANDIN_JOURNAL", nullptr);
    IDispatch* fresh = nullptr;
    IDispatch* shown = nullptr;
    check.that(SUCCEEDED(createByProgId(kProgId, &fresh)) && SUCCEEDED(createByProgId(kProgId, &shown)),
               "two assistants are created");
    if (!fresh || !shown)
        return check.finish();
    check.that(callMethod(shown, L"Show", {Var::int32(3082), Var::int32(0)}).ok(), "one of them is shown");

    // Half the calls on an object that has a character, half on one that has
    // none, so both the guarded and the working paths are reached.
    Fuzzer onShown(shown, fresh), onFresh(fresh, shown);
    for (int i = 0; i < kIterations / 2; ++i) {
        onShown.once();
        onFresh.once();
    }
    std::printf("fuzz: %d calls with seed %u\n", onShown.calls() + onFresh.calls(), kSeed);
    check.that(onShown.targetsUntouched() && onFresh.targetsUntouched(), "no by-reference argument was written to");

    for (IDispatch* a : {fresh, shown}) {
        CallResult name = callMethod(a, L"Animations", {Var::int16(1)});
        check.that(name.ok() && V_VT(name.value.get()) == VT_BSTR &&
                       std::wstring(V_BSTR(name.value.get())) == L"Acknowledge",
                   "the objects still answer after the fuzz");
    }
    fresh->Release();
    shown->Release();
    auto canUnload = exported<EntryPoint>(GetModuleHandleW(L"Gesticon.dll"), "DllCanUnloadNow");
    check.that(canUnload && canUnload() == S_OK, "no object is left alive after the fuzz");
    int failures = check.finish();
    CoUninitialize();
    return failures;
}
