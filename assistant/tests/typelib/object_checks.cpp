#include "object_checks.h"

#include "agent_ids.h"
#include "asistente_interface.h"
#include "com_client.h"
#include "contract.h"
#include "variant.h"

#include <oleauto.h>
#include <wrl/client.h>

namespace gesticon::tests {

using com::_asistente;
using com::variantOf;
using Microsoft::WRL::ComPtr;

namespace {

void expectFailure(Checks& checks, HRESULT hr, HRESULT code, const wchar_t* description, const std::string& what)
{
    checks.hr(hr, code, what);
    const ErrorInfo info = threadErrorInfo();
    checks.that(info.description == description && info.source == L"Gesticon",
                what + " error information \"" + narrow(info.description) + "\" from " + narrow(info.source));
}

void checkEntryPoints(Checks& checks, HMODULE library)
{
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto canUnload = exported<EntryPoint>(library, "DllCanUnloadNow");
    auto getClassObject = exported<GetClassObject>(library, "DllGetClassObject");
    if (!checks.that(canUnload && getClassObject, "entry points found"))
        return;

    checks.section("class object");
    checks.hr(canUnload(), S_OK, "DllCanUnloadNow with nothing alive");
    ComPtr<IClassFactory> factory;
    for (const GUID& other : {agent::kClsidAgent, guid(kIidAsistente), guid(kLibId), IID_IDispatch})
        checks.hr(getClassObject(other, IID_IClassFactory, &factory), CLASS_E_CLASSNOTAVAILABLE,
                  "DllGetClassObject for another class");
    if (!checks.hr(getClassObject(guid(kClsidAsistente), IID_IClassFactory, &factory), S_OK,
                   "DllGetClassObject(asistente)"))
        return;
    factory->LockServer(TRUE);
    checks.hr(canUnload(), S_FALSE, "DllCanUnloadNow while the server is locked");
    factory->LockServer(FALSE);
    checks.hr(canUnload(), S_OK, "DllCanUnloadNow after the lock is released");
    ComPtr<IUnknown> aggregated;
    checks.hr(factory->CreateInstance(reinterpret_cast<IUnknown*>(factory.Get()), IID_IUnknown, &aggregated),
              CLASS_E_NOAGGREGATION, "no aggregation");

    ComPtr<IDispatch> object;
    if (checks.hr(factory->CreateInstance(nullptr, IID_IDispatch, &object), S_OK, "factory creates an object")) {
        checks.hr(canUnload(), S_FALSE, "DllCanUnloadNow while an object lives");
        ComPtr<IDispatch> second;
        factory->CreateInstance(nullptr, IID_IDispatch, &second);
        object.Reset();
        checks.hr(canUnload(), S_FALSE, "DllCanUnloadNow while one of two objects lives");
        second.Reset();
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
    if (checks.that(SUCCEEDED(object->GetTypeInfo(0, 0, &info)) && SUCCEEDED(info->GetTypeAttr(&attr)),
                    "GetTypeInfo(0)")) {
        checks.that(IsEqualGUID(attr->guid, guid(kIidAsistente)), "type information describes _asistente");
        info->ReleaseTypeAttr(attr);
    }
    checks.hr(object->GetTypeInfo(1, 0, &info), DISP_E_BADINDEX, "GetTypeInfo(1)");

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
    const DISPID soundId = dispatchId(object, L"Sound");
    auto readsSound = [&](VARIANT_BOOL expected) {
        CallResult get = invokeRaw(object, soundId, DISPATCH_PROPERTYGET, {}, false);
        return get.invokeResult == S_OK && get.value.type() == VT_BOOL && V_BOOL(get.value.get()) == expected;
    };
    checks.that(readsSound(VARIANT_FALSE), "Sound reads false before it is set");
    // No character yet: the value is kept, then error 91.
    CallResult put = invokeRaw(object, soundId, DISPATCH_PROPERTYPUT, {Var::boolean(true)}, true);
    checks.hr(put.invokeResult, DISP_E_EXCEPTION, "Sound put before Show raises");
    checks.hr(put.code, kError91, "Sound put before Show is error 91");
    checks.that(put.description == kError91Text, "Sound put exception description");
    checks.that(readsSound(VARIANT_TRUE), "Sound reads back the value stored before the failure");

    // Animations as a script would call it: by value, by reference, as text.
    VARIANT variable = variantOf<VT_I4>(67);
    CallResult byReference = invokeRaw(object, dispidOf(L"Animations"), DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                                       {Var::refVariant(&variable)}, false);
    checks.that(byReference.ok() && byReference.value.type() == VT_BSTR &&
                    view(V_BSTR(byReference.value.get())) == L"Writing",
                "Animations(variable 67) by reference");
    CallResult asText = invokeRaw(object, dispidOf(L"Animations"), DISPATCH_METHOD, {Var::text(L"55")}, false);
    checks.that(asText.ok() && asText.value.type() == VT_BSTR && view(V_BSTR(asText.value.get())) == L"Show",
                "Animations(\"55\") converts the text");
    CallResult zero = invokeRaw(object, dispidOf(L"Animations"), DISPATCH_METHOD, {Var::int32(0)}, false);
    checks.hr(zero.invokeResult, DISP_E_EXCEPTION, "Animations(0) raises");
    checks.hr(zero.code, kError9, "Animations(0) is error 9");
    checks.that(zero.source == L"Gesticon", "Animations(0) exception source");

    // Move(x, y) with variables: reaches the member (error 91, no character) and leaves them alone.
    VARIANT x = variantOf<VT_I4>(10), y = variantOf<VT_I4>(20);
    CallResult move =
        invokeRaw(object, dispidOf(L"Move"), DISPATCH_METHOD, {Var::refVariant(&x), Var::refVariant(&y)}, false);
    checks.hr(move.code, kError91, "Move(x, y) by reference reaches the member");
    checks.that(V_VT(&x) == VT_I4 && V_I4(&x) == 10 && V_VT(&y) == VT_I4 && V_I4(&y) == 20,
                "Move leaves the caller's variables unchanged");

    checks.hr(invokeRaw(object, 0x12345, DISPATCH_METHOD, {}, false).invokeResult, DISP_E_MEMBERNOTFOUND,
              "unknown dispatch identifier");
    checks.hr(invokeRaw(object, dispidOf(L"Show"), DISPATCH_METHOD, {Var::int32(3082)}, false).invokeResult,
              DISP_E_BADPARAMCOUNT, "Show with one argument");
}

void checkErrorsThroughVtable(Checks& checks, _asistente* a)
{
    checks.section("error codes");
    ComPtr<ISupportErrorInfo> support;
    checks.that(SUCCEEDED(a->QueryInterface(IID_ISupportErrorInfo, &support)) &&
                    support->InterfaceSupportsErrorInfo(guid(kIidAsistente)) == S_OK,
                "ISupportErrorInfo answers for _asistente");

    BSTR name = nullptr;
    checks.that(a->Animations(1, &name) == S_OK && take(name) == L"Acknowledge", "Animations(1) before Show");
    name = nullptr;
    checks.that(a->Animations(67, &name) == S_OK && take(name) == L"Writing", "Animations(67)");
    name = nullptr;
    expectFailure(checks, a->Animations(0, &name), kError9, kError9Text, "Animations(0)");
    expectFailure(checks, a->Animations(68, &name), kError9, kError9Text, "Animations(68)");

    BSTR text = SysAllocString(L"hola");
    expectFailure(checks, a->Speak(text), kError91, kError91Text, "Speak before Show");
    expectFailure(checks, a->Think(text), kError91, kError91Text, "Think before Show");
    SysFreeString(text);
    SHORT x = 1, y = 2;
    expectFailure(checks, a->Move(&x, &y), kError91, kError91Text, "Move before Show");
    LONG member = 2147483647;
    expectFailure(checks, a->Action(&member), kError6, kError6Text, "Action(2147483647)");
    member = 67;
    expectFailure(checks, a->Action(&member), kError9, kError9Text, "Action(67)");
    member = -1;
    expectFailure(checks, a->Action(&member), kError9, kError9Text, "Action(-1)");
    checks.that(member == -1, "Action leaves its argument unchanged");
    expectFailure(checks, a->Stop_Asistente(), kError91, kError91Text, "Stop_Asistente before Show");
    expectFailure(checks, a->put_AutoHide(VARIANT_FALSE), kError91, kError91Text, "AutoHide put before Show");
    VARIANT_BOOL autoHide = VARIANT_TRUE;
    checks.that(a->get_AutoHide(&autoHide) == S_OK && autoHide == VARIANT_FALSE, "AutoHide reads the new value");
    checks.hr(a->get_Sound(nullptr), E_POINTER, "null out pointer");
}

} // namespace

void checkObject(Checks& checks, const std::wstring& dll)
{
    HMODULE library = LoadLibraryW(dll.c_str());
    if (!checks.that(library != nullptr, "library loads"))
        return;
    checkEntryPoints(checks, library);

    checks.section("object by ProgID");
    CLSID clsid{};
    CLSIDFromProgID(kProgId, &clsid);
    ComPtr<IDispatch> object;
    if (checks.hr(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, &object), S_OK,
                  "CoCreateInstance(Gesticon.asistente)")) {
        ComPtr<_asistente> typed;
        if (checks.that(SUCCEEDED(object->QueryInterface(guid(kIidAsistente), &typed)), "default interface _asistente"))
            checkErrorsThroughVtable(checks, typed.Get());
        checkDispatch(checks, object.Get());
    }
    object.Reset();
    checks.hr(exported<EntryPoint>(library, "DllCanUnloadNow")(), S_OK,
              "DllCanUnloadNow once every object is released");
    FreeLibrary(library);
}

} // namespace gesticon::tests
