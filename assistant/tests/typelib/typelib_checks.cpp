#include "typelib_checks.h"

#include "com_client.h"
#include "contract.h"

#include <oleauto.h>
#include <wrl/client.h>

#include <string>

namespace gesticon::tests {

using Microsoft::WRL::ComPtr;

namespace {

std::wstring typeName(ITypeInfo* info)
{
    BSTR name = nullptr;
    info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
    return take(name);
}

// The name of the type a VT_USERDEFINED description refers to.
std::wstring referencedName(ITypeInfo* owner, const TYPEDESC& desc)
{
    ComPtr<ITypeInfo> referenced;
    if (FAILED(owner->GetRefTypeInfo(desc.hreftype, &referenced)))
        return L"<unresolved>";
    return typeName(referenced.Get());
}

struct Attributes {
    ITypeInfo* info;
    TYPEATTR* attr = nullptr;
    explicit Attributes(ITypeInfo* i) : info(i) { info->GetTypeAttr(&attr); }
    ~Attributes()
    {
        if (attr)
            info->ReleaseTypeAttr(attr);
    }
};

void checkParam(Checks& checks, ITypeInfo* info, const ELEMDESC& actual, const ExpectedParam& expected,
                const std::string& where)
{
    checks.equal(actual.tdesc.vt, expected.type, where + " type");
    checks.equal(actual.paramdesc.wParamFlags, expected.flags, where + " flags");
    const TYPEDESC* inner = &actual.tdesc;
    if (expected.type == VT_PTR) {
        if (!checks.that(actual.tdesc.vt == VT_PTR && actual.tdesc.lptdesc, where + " is a pointer"))
            return;
        inner = actual.tdesc.lptdesc;
        checks.equal(inner->vt, expected.target, where + " points to its type");
    }
    if (expected.typeName)
        checks.that(inner->vt == VT_USERDEFINED && referencedName(info, *inner) == expected.typeName,
                    where + " refers to " + narrow(expected.typeName));
}

void checkInterfaceMembers(Checks& checks, ITypeInfo* iface, const std::string& label)
{
    const auto& members = expectedMembers();
    Attributes attributes(iface);
    if (!checks.that(attributes.attr && attributes.attr->cFuncs == members.size(),
                     label + " _asistente has 16 members of its own"))
        return;
    for (UINT index = 0; index < members.size(); ++index) {
        const ExpectedMember& want = members[index];
        const std::string where = label + " slot " + std::to_string(want.slot) + " " + narrow(want.name);
        FUNCDESC* func = nullptr;
        if (!checks.that(SUCCEEDED(iface->GetFuncDesc(index, &func)) && func, where + " present"))
            continue;
        // Offsets are reported in the loading process's pointer size.
        checks.equal(func->oVft, static_cast<SHORT>(want.slot * sizeof(void*)), where + " vtable offset");
        checks.equal(func->memid, want.id, where + " dispatch identifier");
        checks.equal(func->invkind, want.kind, where + " invocation kind");
        checks.equal(func->funckind, FUNC_PUREVIRTUAL, where + " is virtual");
        checks.equal(func->callconv, CC_STDCALL, where + " stdcall");
        checks.equal(func->elemdescFunc.tdesc.vt, VT_HRESULT, where + " returns HRESULT");
        checks.equal(func->cParamsOpt, 0, where + " no optional parameters");
        if (checks.equal(func->cParams, static_cast<SHORT>(want.params.size()), where + " parameter count")) {
            for (size_t p = 0; p < want.params.size(); ++p)
                checkParam(checks, iface, func->lprgelemdescParam[p], want.params[p],
                           where + " parameter " + std::to_string(p));
        }
        // Names: the member's, then those of its named parameters. GetNames
        // answers by identifier, which a put shares with its get, so the put's
        // unnamed parameter is checked on the stored records instead.
        if (want.kind != INVOKE_PROPERTYPUT) {
            BSTR names[4] = {};
            UINT count = 0;
            iface->GetNames(func->memid, names, 4, &count);
            std::vector<std::wstring> got;
            for (UINT i = 0; i < count; ++i)
                got.push_back(take(names[i]));
            std::vector<std::wstring> expected{want.name};
            for (const auto& param : want.params)
                if (param.name)
                    expected.push_back(param.name);
            checks.that(got == expected, where + " names");
        }
        iface->ReleaseFuncDesc(func);
    }
}

void checkEnum(Checks& checks, ITypeInfo* info, const GUID& guid, const std::vector<ExpectedConstant>& members,
               const std::string& where)
{
    Attributes attributes(info);
    TYPEATTR* attr = attributes.attr;
    if (!checks.that(attr != nullptr, where + " attributes"))
        return;
    checks.equal(attr->typekind, TKIND_ENUM, where + " is an enumeration");
    checks.that(IsEqualGUID(attr->guid, guid), where + " identifier");
    checks.equal(attr->lcid, 0ul, where + " locale");
    if (!checks.equal(attr->cVars, static_cast<WORD>(members.size()), where + " member count"))
        return;
    for (UINT i = 0; i < members.size(); ++i) {
        const std::string member = where + " member " + std::to_string(i) + " " + narrow(members[i].name);
        VARDESC* var = nullptr;
        if (!checks.that(SUCCEEDED(info->GetVarDesc(i, &var)) && var, member + " present"))
            continue;
        BSTR name = nullptr;
        UINT count = 0;
        info->GetNames(var->memid, &name, 1, &count);
        checks.that(take(name) == members[i].name, member + " name");
        checks.equal(var->varkind, VAR_CONST, member + " is a constant");
        checks.equal(var->elemdescVar.tdesc.vt, VT_I4, member + " is 32-bit");
        checks.that(var->lpvarValue && V_VT(var->lpvarValue) == VT_I4 && V_I4(var->lpvarValue) == members[i].value,
                    member + " value");
        info->ReleaseVarDesc(var);
    }
}

void checkImportOfStdOle(Checks& checks, ITypeInfo* iface, const std::string& label)
{
    HREFTYPE base = 0;
    ComPtr<ITypeInfo> dispatch;
    if (!checks.that(SUCCEEDED(iface->GetRefTypeOfImplType(0, &base)) &&
                         SUCCEEDED(iface->GetRefTypeInfo(base, &dispatch)),
                     label + " _asistente has a base interface"))
        return;
    Attributes attributes(dispatch.Get());
    checks.that(attributes.attr && IsEqualGUID(attributes.attr->guid, IID_IDispatch),
                label + " _asistente derives from IDispatch");
    ComPtr<ITypeLib> container;
    UINT index = 0;
    TLIBATTR* lib = nullptr;
    if (checks.that(SUCCEEDED(dispatch->GetContainingTypeLib(&container, &index)) &&
                        SUCCEEDED(container->GetLibAttr(&lib)),
                    label + " IDispatch comes from an imported library")) {
        checks.that(IsEqualGUID(lib->guid, guid(kLibIdStdOle)) && lib->wMajorVerNum == 2 && lib->wMinorVerNum == 0,
                    label + " imported library is OLE Automation 2.0 (stdole2)");
        container->ReleaseTLibAttr(lib);
    }
}

} // namespace

void checkTypeLibrary(Checks& checks, ITypeLib* library, SYSKIND syskind, const std::string& label)
{
    checks.section(("type library " + label).c_str());
    TLIBATTR* lib = nullptr;
    if (!checks.that(SUCCEEDED(library->GetLibAttr(&lib)), label + " library attributes"))
        return;
    checks.that(IsEqualGUID(lib->guid, guid(kLibId)), label + " library identifier");
    checks.equal(lib->lcid, 0ul, label + " locale 0");
    checks.equal(lib->syskind, syskind, label + " target system");
    checks.that(lib->wMajorVerNum == 1 && lib->wMinorVerNum == 0, label + " version 1.0");
    library->ReleaseTLibAttr(lib);

    BSTR name = nullptr, doc = nullptr, helpFile = nullptr;
    DWORD helpContext = 1;
    library->GetDocumentation(-1, &name, &doc, &helpContext, &helpFile);
    checks.that(take(name) == L"Gesticon", label + " name Gesticon");
    checks.that(take(doc).empty(), label + " no help string");
    checks.that(take(helpFile).empty() && helpContext == 0, label + " no help file");

    const wchar_t* const order[] = {L"_asistente", L"asistente", L"Idioma", L"Mu\u00f1eco", L"Accion"};
    if (!checks.equal(library->GetTypeInfoCount(), 5u, label + " five type descriptions"))
        return;
    ComPtr<ITypeInfo> infos[5];
    for (UINT i = 0; i < 5; ++i) {
        checks.that(SUCCEEDED(library->GetTypeInfo(i, &infos[i])) && typeName(infos[i].Get()) == order[i],
                    label + " type " + std::to_string(i) + " is " + narrow(order[i]));
    }
    if (!infos[0] || !infos[1] || !infos[2] || !infos[3] || !infos[4])
        return;

    // _asistente: the dispatch view first, then the vtable interface behind it.
    {
        Attributes dispatchView(infos[0].Get());
        TYPEATTR* attr = dispatchView.attr;
        checks.that(attr && attr->typekind == TKIND_DISPATCH, label + " _asistente seen as dispinterface");
        checks.that(attr && IsEqualGUID(attr->guid, guid(kIidAsistente)), label + " _asistente identifier");
        checks.that(attr && attr->wMajorVerNum == 1 && attr->wMinorVerNum == 0, label + " _asistente version 1.0");
        const WORD dispatchFlags = TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE;
        checks.that(attr && (attr->wTypeFlags & dispatchFlags) == dispatchFlags,
                    label + " _asistente dual, hidden, non-extensible, dispatchable");
        // IDispatch's seven members and the sixteen of its own.
        checks.that(attr && attr->cFuncs == 23, label + " _asistente dispinterface has 23 members");
    }
    HREFTYPE vtableRef = 0;
    ComPtr<ITypeInfo> iface;
    if (checks.that(SUCCEEDED(infos[0]->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableRef)) &&
                        SUCCEEDED(infos[0]->GetRefTypeInfo(vtableRef, &iface)),
                    label + " _asistente has its vtable interface")) {
        Attributes attributes(iface.Get());
        TYPEATTR* attr = attributes.attr;
        checks.that(attr && attr->typekind == TKIND_INTERFACE, label + " _asistente interface kind");
        checks.equal(attr ? attr->wTypeFlags : 0,
                     static_cast<WORD>(TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE |
                                       TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FDISPATCHABLE),
                     label + " _asistente flags exactly hidden, dual, non-extensible, automation, dispatchable");
        checks.equal(attr ? attr->cImplTypes : 0, 1, label + " _asistente one base");
        // Slots of the target's pointer size: 7 of IDispatch, 16 of its own.
        const WORD pointer = syskind == SYS_WIN64 ? 8 : 4;
        checks.equal(attr ? attr->cbSizeVft : 0, static_cast<WORD>(23 * pointer), label + " _asistente vtable size");
        checkInterfaceMembers(checks, iface.Get(), label);
        checkImportOfStdOle(checks, iface.Get(), label);
    }

    // asistente: creatable, application object, predeclared; _asistente by default.
    {
        Attributes attributes(infos[1].Get());
        TYPEATTR* attr = attributes.attr;
        checks.that(attr && attr->typekind == TKIND_COCLASS, label + " asistente is a class");
        checks.that(attr && IsEqualGUID(attr->guid, guid(kClsidAsistente)), label + " asistente identifier");
        checks.that(attr && attr->wMajorVerNum == 1 && attr->wMinorVerNum == 0, label + " asistente version 1.0");
        checks.equal(attr ? attr->wTypeFlags : 0,
                     static_cast<WORD>(TYPEFLAG_FCANCREATE | TYPEFLAG_FAPPOBJECT | TYPEFLAG_FPREDECLID),
                     label + " asistente flags exactly creatable, application object, predeclared");
        if (checks.equal(attr ? attr->cImplTypes : 0, 1, label + " asistente implements one interface, no events")) {
            INT implFlags = -1;
            HREFTYPE ref = 0;
            ComPtr<ITypeInfo> implemented;
            infos[1]->GetImplTypeFlags(0, &implFlags);
            checks.equal(implFlags, IMPLTYPEFLAG_FDEFAULT, label + " asistente default interface, not a source");
            checks.that(SUCCEEDED(infos[1]->GetRefTypeOfImplType(0, &ref)) &&
                            SUCCEEDED(infos[1]->GetRefTypeInfo(ref, &implemented)) &&
                            typeName(implemented.Get()) == L"_asistente",
                        label + " asistente implements _asistente");
        }
    }

    checkEnum(checks, infos[2].Get(), guid(kGuidIdioma), idiomaMembers(), label + " Idioma");
    checkEnum(checks, infos[3].Get(), guid(kGuidMuneco), munecoMembers(), label + " Muneco");
    checkEnum(checks, infos[4].Get(), guid(kGuidAccion), accionMembers(), label + " Accion");
}

} // namespace gesticon::tests
