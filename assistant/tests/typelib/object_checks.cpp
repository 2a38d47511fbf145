#include "object_checks.h"

#include "com_ptr.h"
#include "expected_surface.h"

#include <oleauto.h>

#include <utility>

namespace gesticon::typelib_check {

using com::ComPtr;

// The client's view of `_asistente`, declared from its table (slots 7 to 22).
// Outside the unnamed namespace: with no implementation in sight, a compiler
// may otherwise assume no object of it exists and drop the calls.
struct Asistente : IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Sound(VARIANT_BOOL*) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Sound(VARIANT_BOOL) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Balloon(VARIANT_BOOL*) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Balloon(VARIANT_BOOL) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_AutoHide(VARIANT_BOOL*) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_AutoHide(VARIANT_BOOL) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_AutoSpace(VARIANT_BOOL*) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_AutoSpace(VARIANT_BOOL) = 0;
    virtual HRESULT STDMETHODCALLTYPE Show(LONG, LONG) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unload() = 0;
    virtual HRESULT STDMETHODCALLTYPE Speak(BSTR) = 0;
    virtual HRESULT STDMETHODCALLTYPE Think(BSTR) = 0;
    virtual HRESULT STDMETHODCALLTYPE Move(SHORT*, SHORT*) = 0;
    virtual HRESULT STDMETHODCALLTYPE Action(LONG*) = 0;
    virtual HRESULT STDMETHODCALLTYPE Animations(SHORT, BSTR*) = 0;
    virtual HRESULT STDMETHODCALLTYPE Stop_Asistente() = 0;
};

namespace {

constexpr HRESULT kError6 = static_cast<HRESULT>(0x800A0006);
constexpr HRESULT kError9 = static_cast<HRESULT>(0x800A0009);
constexpr HRESULT kError91 = static_cast<HRESULT>(0x800A005B);

std::wstring take(BSTR text)
{
    std::wstring out = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return out;
}

std::wstring view(BSTR text)
{
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

// The thread's error information after a failing call.
std::pair<std::wstring, std::wstring> errorInfo()
{
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) != S_OK || !info)
        return {L"<none>", L"<none>"};
    BSTR description = nullptr, source = nullptr;
    info->GetDescription(&description);
    info->GetSource(&source);
    return {take(description), take(source)};
}

void expectFailure(Checks& checks, HRESULT hr, HRESULT code, const wchar_t* description,
                   const std::string& what)
{
    checks.hr(hr, code, what);
    const auto [gotDescription, gotSource] = errorInfo();
    checks.that(gotDescription == description && gotSource == L"Gesticon",
                what + " error information \"" + narrow(gotDescription) + "\" from " + narrow(gotSource));
}

struct Call {
    IDispatch* object;
    DISPID id;
    WORD flags;
    std::vector<VARIANT> args;  // last argument first, as Invoke takes them
    VARIANT result;
    EXCEPINFO exception{};
    HRESULT hr = E_FAIL;

    Call(IDispatch* o, DISPID i, WORD f, std::vector<VARIANT> a = {}) : object(o), id(i), flags(f), args(std::move(a))
    {
        VariantInit(&result);
        DISPID put = DISPID_PROPERTYPUT;
        DISPPARAMS params{args.empty() ? nullptr : args.data(), (flags & DISPATCH_PROPERTYPUT) ? &put : nullptr,
                          static_cast<UINT>(args.size()), (flags & DISPATCH_PROPERTYPUT) ? 1u : 0u};
        UINT argError = 0;
        hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &result, &exception, &argError);
    }
    ~Call()
    {
        VariantClear(&result);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrHelpFile);
    }
};

VARIANT i4(LONG value)
{
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return v;
}

VARIANT byRefVariant(VARIANT* target)
{
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&v) = target;
    return v;
}

void checkEntryPoints(Checks& checks, HMODULE library)
{
    using CanUnload = HRESULT(STDAPICALLTYPE*)();
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto canUnload = reinterpret_cast<CanUnload>(reinterpret_cast<void*>(GetProcAddress(library, "DllCanUnloadNow")));
    auto getClassObject =
        reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(library, "DllGetClassObject")));
    if (!checks.that(canUnload && getClassObject, "entry points found"))
        return;

    checks.section("class object");
    checks.hr(canUnload(), S_OK, "DllCanUnloadNow with nothing alive");
    ComPtr<IClassFactory> factory;
    for (const GUID* other : {&kAgentClsid, &kIid, &kLibId, &IID_IDispatch})
        checks.hr(getClassObject(*other, IID_IClassFactory, factory.putVoid()), CLASS_E_CLASSNOTAVAILABLE,
                  "DllGetClassObject for another class");
    if (!checks.hr(getClassObject(kClsid, IID_IClassFactory, factory.putVoid()), S_OK, "DllGetClassObject(asistente)"))
        return;
    factory->LockServer(TRUE);
    checks.hr(canUnload(), S_FALSE, "DllCanUnloadNow while the server is locked");
    factory->LockServer(FALSE);
    checks.hr(canUnload(), S_OK, "DllCanUnloadNow after the lock is released");
    ComPtr<IUnknown> aggregated;
    checks.hr(factory->CreateInstance(reinterpret_cast<IUnknown*>(factory.get()), IID_IUnknown, aggregated.putVoid()),
              CLASS_E_NOAGGREGATION, "no aggregation");

    ComPtr<IDispatch> object;
    if (checks.hr(factory->CreateInstance(nullptr, IID_IDispatch, object.putVoid()), S_OK, "factory creates an object")) {
        checks.hr(canUnload(), S_FALSE, "DllCanUnloadNow while an object lives");
        ComPtr<IDispatch> second;
        factory->CreateInstance(nullptr, IID_IDispatch, second.putVoid());
        object.reset();
        checks.hr(canUnload(), S_FALSE, "DllCanUnloadNow while one of two objects lives");
        second.reset();
        checks.hr(canUnload(), S_OK, "DllCanUnloadNow after the last release");
    }
}

void checkDispatch(Checks& checks, IDispatch* object)
{
    checks.section("late binding");
    UINT count = 0;
    checks.that(SUCCEEDED(object->GetTypeInfoCount(&count)) && count == 1, "one type information");
    ComPtr<ITypeInfo> info;
    TYPEATTR* attr = nullptr;
    if (checks.that(SUCCEEDED(object->GetTypeInfo(0, 0, info.put())) && SUCCEEDED(info->GetTypeAttr(&attr)),
                    "GetTypeInfo(0)")) {
        checks.that(IsEqualGUID(attr->guid, kIid), "type information describes _asistente");
        info->ReleaseTypeAttr(attr);
    }
    checks.hr(object->GetTypeInfo(1, 0, info.put()), DISP_E_BADINDEX, "GetTypeInfo(1)");

    for (const ExpectedMember& member : expectedMembers()) {
        LPOLESTR name = const_cast<LPOLESTR>(member.name);
        DISPID id = 0;
        checks.that(SUCCEEDED(object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id)) && id == member.id,
                    "GetIDsOfNames(" + narrow(member.name) + ")");
    }
    for (const wchar_t* hidden : {L"agnAsistente", L"agnAsistente_Command", L"BuscarCarpetaWindows", L"Personaje",
                                  L"CarpetaWindows", L"NombresAnimacion", L"Cargado", L"ValorSound"}) {
        LPOLESTR name = const_cast<LPOLESTR>(hidden);
        DISPID id = 0;
        checks.hr(object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME,
                  "private name " + narrow(hidden) + " unknown");
    }

    // Sound: get and put on the one identifier GetIDsOfNames gives.
    LPOLESTR sound = const_cast<LPOLESTR>(L"Sound");
    DISPID soundId = 0;
    object->GetIDsOfNames(IID_NULL, &sound, 1, LOCALE_USER_DEFAULT, &soundId);
    {
        Call get(object, soundId, DISPATCH_PROPERTYGET);
        checks.that(get.hr == S_OK && V_VT(&get.result) == VT_BOOL && V_BOOL(&get.result) == VARIANT_FALSE,
                    "Sound reads false before it is set");
    }
    {
        VARIANT on;
        VariantInit(&on);
        V_VT(&on) = VT_BOOL;
        V_BOOL(&on) = VARIANT_TRUE;
        Call put(object, soundId, DISPATCH_PROPERTYPUT, {on});
        // No character yet: the value is kept, then error 91.
        checks.hr(put.hr, DISP_E_EXCEPTION, "Sound put before Show raises");
        checks.hr(put.exception.scode, kError91, "Sound put before Show is error 91");
        checks.that(view(put.exception.bstrDescription) ==
                        L"Object variable or With block variable not set",
                    "Sound put exception description");
    }
    {
        Call get(object, soundId, DISPATCH_PROPERTYGET);
        checks.that(get.hr == S_OK && V_VT(&get.result) == VT_BOOL && V_BOOL(&get.result) == VARIANT_TRUE,
                    "Sound reads back the value stored before the failure");
    }

    // Animations as a script would call it: by value, by reference, as text.
    const DISPID animations = 0x6003000D;
    VARIANT variable = i4(67);
    {
        Call call(object, animations, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {byRefVariant(&variable)});
        checks.that(call.hr == S_OK && V_VT(&call.result) == VT_BSTR && view(V_BSTR(&call.result)) == L"Writing",
                    "Animations(variable 67) by reference");
    }
    {
        VARIANT text;
        VariantInit(&text);
        V_VT(&text) = VT_BSTR;
        V_BSTR(&text) = SysAllocString(L"55");
        Call call(object, animations, DISPATCH_METHOD, {text});
        VariantClear(&call.args[0]);
        checks.that(call.hr == S_OK && V_VT(&call.result) == VT_BSTR && view(V_BSTR(&call.result)) == L"Show",
                    "Animations(\"55\") converts the text");
    }
    {
        Call call(object, animations, DISPATCH_METHOD, {i4(0)});
        checks.hr(call.hr, DISP_E_EXCEPTION, "Animations(0) raises");
        checks.hr(call.exception.scode, kError9, "Animations(0) is error 9");
        checks.that(call.exception.bstrSource && std::wstring(call.exception.bstrSource) == L"Gesticon",
                    "Animations(0) exception source");
    }
    {
        // Move(x, y) with variables: reaches the member (error 91, no character) and leaves them alone.
        VARIANT x = i4(10), y = i4(20);
        Call call(object, 0x6003000A, DISPATCH_METHOD, {byRefVariant(&y), byRefVariant(&x)});
        checks.hr(call.exception.scode, kError91, "Move(x, y) by reference reaches the member");
        checks.that(V_VT(&x) == VT_I4 && V_I4(&x) == 10 && V_VT(&y) == VT_I4 && V_I4(&y) == 20,
                    "Move leaves the caller's variables unchanged");
    }
    {
        Call unknown(object, 0x12345, DISPATCH_METHOD);
        checks.hr(unknown.hr, DISP_E_MEMBERNOTFOUND, "unknown dispatch identifier");
        Call shortOfOne(object, 0x60030006, DISPATCH_METHOD, {i4(3082)});
        checks.hr(shortOfOne.hr, DISP_E_BADPARAMCOUNT, "Show with one argument");
    }
}

void checkErrorsThroughVtable(Checks& checks, Asistente* a)
{
    checks.section("error codes");
    ComPtr<ISupportErrorInfo> support;
    checks.that(SUCCEEDED(a->QueryInterface(IID_ISupportErrorInfo, support.putVoid())) &&
                    support->InterfaceSupportsErrorInfo(kIid) == S_OK,
                "ISupportErrorInfo answers for _asistente");

    BSTR name = nullptr;
    checks.that(a->Animations(1, &name) == S_OK && take(name) == L"Acknowledge", "Animations(1) before Show");
    name = nullptr;
    checks.that(a->Animations(67, &name) == S_OK && take(name) == L"Writing", "Animations(67)");
    name = nullptr;
    expectFailure(checks, a->Animations(0, &name), kError9, L"Subscript out of range", "Animations(0)");
    expectFailure(checks, a->Animations(68, &name), kError9, L"Subscript out of range", "Animations(68)");

    BSTR text = SysAllocString(L"hola");
    expectFailure(checks, a->Speak(text), kError91, L"Object variable or With block variable not set",
                  "Speak before Show");
    expectFailure(checks, a->Think(text), kError91, L"Object variable or With block variable not set",
                  "Think before Show");
    SysFreeString(text);
    SHORT x = 1, y = 2;
    expectFailure(checks, a->Move(&x, &y), kError91, L"Object variable or With block variable not set",
                  "Move before Show");
    LONG member = 2147483647;
    expectFailure(checks, a->Action(&member), kError6, L"Overflow", "Action(2147483647)");
    member = 67;
    expectFailure(checks, a->Action(&member), kError9, L"Subscript out of range", "Action(67)");
    member = -1;
    expectFailure(checks, a->Action(&member), kError9, L"Subscript out of range", "Action(-1)");
    checks.that(member == -1, "Action leaves its argument unchanged");
    expectFailure(checks, a->Stop_Asistente(), kError91, L"Object variable or With block variable not set",
                  "Stop_Asistente before Show");
    expectFailure(checks, a->put_AutoHide(VARIANT_FALSE), kError91,
                  L"Object variable or With block variable not set", "AutoHide put before Show");
    VARIANT_BOOL autoHide = VARIANT_TRUE;
    checks.that(a->get_AutoHide(&autoHide) == S_OK && autoHide == VARIANT_FALSE, "AutoHide reads the new value");
    checks.hr(a->get_Sound(nullptr), E_POINTER, "null out pointer");
}

}  // namespace

bool agentControlRegistered()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID\\{D45FD31B-5C6E-11D1-9EC1-00C04FD7081F}\\InprocServer32", 0,
                      KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void checkObject(Checks& checks, const std::wstring& dll)
{
    HMODULE library = LoadLibraryW(dll.c_str());
    if (!checks.that(library != nullptr, "library loads"))
        return;
    checkEntryPoints(checks, library);

    checks.section("object by ProgID");
    CLSID clsid{};
    CLSIDFromProgID(L"Gesticon.asistente", &clsid);
    ComPtr<IDispatch> object;
    if (checks.hr(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, object.putVoid()), S_OK,
                  "CoCreateInstance(Gesticon.asistente)")) {
        ComPtr<Asistente> typed;
        if (checks.that(SUCCEEDED(object->QueryInterface(kIid, typed.putVoid())), "default interface _asistente"))
            checkErrorsThroughVtable(checks, typed.get());
        checkDispatch(checks, object.get());
    }
    object.reset();
    using CanUnload = HRESULT(STDAPICALLTYPE*)();
    auto canUnload = reinterpret_cast<CanUnload>(reinterpret_cast<void*>(GetProcAddress(library, "DllCanUnloadNow")));
    checks.hr(canUnload(), S_OK, "DllCanUnloadNow once every object is released");
    FreeLibrary(library);
}

}  // namespace gesticon::typelib_check
