// Writes the `Gesticon` type library with the platform's own writer
// (CreateTypeLib2), which can express what an interface definition compiled by
// widl cannot: the predeclared application-object coclass and the name
// `Muñeco`. Run under Wine at build time, once per target:
//   make_typelib OUT.tlb win32|win64

#include "animation_names.h"
#include "gesticon_ids.h"

#include <oaidl.h>
#include <oleauto.h>
#include <windows.h>
#include <wrl/client.h>

#include <cstdio>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace gesticon::ids;
using Microsoft::WRL::ComPtr;

void check(HRESULT hr, const char* step)
{
    if (FAILED(hr)) {
        char message[160];
        std::snprintf(message, sizeof message, "%s failed: 0x%08lX", step, static_cast<unsigned long>(hr));
        throw std::runtime_error(message);
    }
}

TYPEDESC scalar(VARTYPE vt)
{
    TYPEDESC t{};
    t.vt = vt;
    return t;
}

TYPEDESC userDefined(HREFTYPE href)
{
    TYPEDESC t{};
    t.vt = VT_USERDEFINED;
    t.hreftype = href;
    return t;
}

// Pointer descriptions must outlive the AddFuncDesc call that reads them.
struct PointerTo {
    TYPEDESC target;
    TYPEDESC pointer{};
    explicit PointerTo(TYPEDESC t) : target(t)
    {
        pointer.vt = VT_PTR;
        pointer.lptdesc = &target;
    }
};

ELEMDESC param(TYPEDESC type, USHORT flags)
{
    ELEMDESC e{};
    e.tdesc = type;
    e.paramdesc.wParamFlags = flags;
    return e;
}

struct Member {
    MEMBERID id;
    INVOKEKIND kind;
    std::vector<const wchar_t*> names; // member name, then parameter names
    std::vector<ELEMDESC> params;
};

ComPtr<ITypeInfo> typeInfoOf(ICreateTypeInfo* created)
{
    ComPtr<ITypeInfo> info;
    check(created->QueryInterface(IID_ITypeInfo, &info), "QueryInterface(ITypeInfo)");
    return info;
}

HREFTYPE referTo(ICreateTypeInfo* from, ITypeInfo* to)
{
    HREFTYPE href = 0;
    check(from->AddRefTypeInfo(to, &href), "AddRefTypeInfo");
    return href;
}

void addEnumMembers(ICreateTypeInfo* info, const std::vector<std::pair<std::wstring, LONG>>& members)
{
    UINT index = 0;
    for (const auto& [name, value] : members) {
        VARIANT constant;
        VariantInit(&constant);
        V_VT(&constant) = VT_I4;
        V_I4(&constant) = value;
        VARDESC var{};
        var.memid = 0x40000000 + static_cast<MEMBERID>(index);
        var.lpvarValue = &constant;
        var.elemdescVar.tdesc = scalar(VT_I4);
        var.varkind = VAR_CONST;
        check(info->AddVarDesc(index, &var), "AddVarDesc");
        check(info->SetVarName(index, const_cast<LPOLESTR>(name.c_str())), "SetVarName");
        ++index;
    }
    check(info->LayOut(), "LayOut(enum)");
}

ComPtr<ICreateTypeInfo> createType(ICreateTypeLib2* lib, const wchar_t* name, TYPEKIND kind, const GUID& guid)
{
    ComPtr<ICreateTypeInfo> info;
    check(lib->CreateTypeInfo(const_cast<LPOLESTR>(name), kind, &info), "CreateTypeInfo");
    check(info->SetGuid(guid), "SetGuid");
    return info;
}

// Rewrites the vtable size recorded for type description `typeIndex` of a
// saved library (MSFT format: header, optional help-DLL word, type offsets,
// segment directory whose first entry locates the type descriptions).
void setVtableSize(const wchar_t* path, int typeIndex, WORD size)
{
    constexpr long kHeaderSize = 0x54;
    constexpr long kTypeInfoSize = 0x64;
    constexpr long kVtableSizeField = 0x4E;
    constexpr unsigned kMagic = 0x5446534D; // "MSFT"
    constexpr int kHelpDllFlag = 0x100;

    FILE* file = _wfopen(path, L"r+b");
    if (!file)
        throw std::runtime_error("cannot reopen the type library");
    struct Closer {
        FILE* f;
        ~Closer() { std::fclose(f); }
    } closer{file};
    INT header[kHeaderSize / 4];
    if (std::fread(header, sizeof header, 1, file) != 1 || UINT(header[0]) != kMagic)
        throw std::runtime_error("not an MSFT type library");
    const INT typeCount = header[8];
    if (typeIndex >= typeCount)
        throw std::runtime_error("no such type description");
    long directory = kHeaderSize + ((header[5] & kHelpDllFlag) ? 4 : 0) + 4L * typeCount;
    INT typeSegment = 0;
    if (std::fseek(file, directory, SEEK_SET) != 0 || std::fread(&typeSegment, 4, 1, file) != 1)
        throw std::runtime_error("truncated type library");
    const long field = typeSegment + typeIndex * kTypeInfoSize + kVtableSizeField;
    if (std::fseek(file, field, SEEK_SET) != 0 || std::fwrite(&size, sizeof size, 1, file) != 1)
        throw std::runtime_error("cannot write the vtable size");
}

void writeTypeLibrary(const wchar_t* path, SYSKIND syskind)
{
    const UINT pointerSize = syskind == SYS_WIN64 ? 8 : 4;

    ComPtr<ICreateTypeLib2> lib;
    check(CreateTypeLib2(syskind, path, &lib), "CreateTypeLib2");
    check(lib->SetName(const_cast<LPOLESTR>(L"Gesticon")), "SetName");
    check(lib->SetGuid(kLibId), "SetGuid(library)");
    check(lib->SetVersion(kLibMajor, kLibMinor), "SetVersion");
    check(lib->SetLcid(0), "SetLcid");

    ComPtr<ITypeLib> stdole;
    check(LoadTypeLib(L"stdole2.tlb", &stdole), "LoadTypeLib(stdole2)");
    ComPtr<ITypeInfo> dispatch;
    check(stdole->GetTypeInfoOfGuid(IID_IDispatch, &dispatch), "GetTypeInfoOfGuid(IDispatch)");

    // Created first so that their order in the library is the contract's order.
    auto iface = createType(lib.Get(), L"_asistente", TKIND_INTERFACE, kIidAsistente);
    auto coclass = createType(lib.Get(), L"asistente", TKIND_COCLASS, kClsidAsistente);
    auto idioma = createType(lib.Get(), L"Idioma", TKIND_ENUM, kGuidIdioma);
    auto muneco = createType(lib.Get(), L"Mu\u00f1eco", TKIND_ENUM, kGuidMuneco);
    auto accion = createType(lib.Get(), L"Accion", TKIND_ENUM, kGuidAccion);

    addEnumMembers(idioma.Get(), {{L"EnglishUS", 1033},
                                  {L"EnglishGB", 2057},
                                  {L"French", 1036},
                                  {L"Italian", 1040},
                                  {L"Portuguese", 2070},
                                  {L"Spanish", 3082}});
    addEnumMembers(muneco.Get(), {{L"Genie", 0}, {L"Merlin", 1}, {L"Robby", 2}, {L"Peedy", 3}});
    std::vector<std::pair<std::wstring, LONG>> accionMembers;
    for (LONG value = 0; value < gesticon::kAnimationCount; ++value)
        accionMembers.emplace_back(gesticon::accionMemberName(value), value);
    addEnumMembers(accion.Get(), accionMembers);

    // _asistente: dual, hidden, non-extensible, automation-compatible.
    check(iface->SetVersion(1, 0), "SetVersion(_asistente)");
    check(iface->SetTypeFlags(TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FOLEAUTOMATION |
                              TYPEFLAG_FDISPATCHABLE),
          "SetTypeFlags(_asistente)");
    check(iface->AddImplType(0, referTo(iface.Get(), dispatch.Get())), "AddImplType(IDispatch)");

    const HREFTYPE idiomaRef = referTo(iface.Get(), typeInfoOf(idioma.Get()).Get());
    const HREFTYPE munecoRef = referTo(iface.Get(), typeInfoOf(muneco.Get()).Get());
    const HREFTYPE accionRef = referTo(iface.Get(), typeInfoOf(accion.Get()).Get());

    PointerTo boolOut(scalar(VT_BOOL));
    PointerTo bstrOut(scalar(VT_BSTR));
    PointerTo shortRef(scalar(VT_I2));
    PointerTo accionPtr(userDefined(accionRef));
    const USHORT in = PARAMFLAG_FIN;
    const USHORT inOut = PARAMFLAG_FIN | PARAMFLAG_FOUT;
    const USHORT retval = PARAMFLAG_FOUT | PARAMFLAG_FRETVAL;

    std::vector<Member> members;
    const std::pair<const wchar_t*, MEMBERID> settings[] = {{L"Sound", kDispidSound},
                                                            {L"Balloon", kDispidBalloon},
                                                            {L"AutoHide", kDispidAutoHide},
                                                            {L"AutoSpace", kDispidAutoSpace}};
    for (const auto& [name, id] : settings) {
        members.push_back({id, INVOKE_PROPERTYGET, {name}, {param(boolOut.pointer, retval)}});
        // The put parameter carries no name.
        members.push_back({id, INVOKE_PROPERTYPUT, {name}, {param(scalar(VT_BOOL), in)}});
    }
    members.push_back({kDispidShow,
                       INVOKE_FUNC,
                       {L"Show", L"LenguajeID", L"GUIA"},
                       {param(userDefined(idiomaRef), in), param(userDefined(munecoRef), in)}});
    members.push_back({kDispidUnload, INVOKE_FUNC, {L"Unload"}, {}});
    members.push_back({kDispidSpeak, INVOKE_FUNC, {L"Speak", L"strOracion"}, {param(scalar(VT_BSTR), in)}});
    members.push_back({kDispidThink, INVOKE_FUNC, {L"Think", L"strOracion"}, {param(scalar(VT_BSTR), in)}});
    members.push_back({kDispidMove,
                       INVOKE_FUNC,
                       {L"Move", L"x", L"y"},
                       {param(shortRef.pointer, inOut), param(shortRef.pointer, inOut)}});
    members.push_back({kDispidAction, INVOKE_FUNC, {L"Action", L"accNombre"}, {param(accionPtr.pointer, inOut)}});
    members.push_back({kDispidAnimations,
                       INVOKE_FUNC,
                       {L"Animations", L"indice"},
                       {param(scalar(VT_I2), in), param(bstrOut.pointer, retval)}});
    members.push_back({kDispidStopAsistente, INVOKE_FUNC, {L"Stop_Asistente"}, {}});

    constexpr UINT kFirstOwnSlot = 7; // after IUnknown's 3 and IDispatch's 4
    for (UINT index = 0; index < members.size(); ++index) {
        Member& m = members[index];
        FUNCDESC func{};
        func.memid = m.id;
        func.lprgelemdescParam = m.params.empty() ? nullptr : m.params.data();
        func.funckind = FUNC_PUREVIRTUAL;
        func.invkind = m.kind;
        func.callconv = CC_STDCALL;
        func.cParams = static_cast<SHORT>(m.params.size());
        func.oVft = static_cast<SHORT>((kFirstOwnSlot + index) * pointerSize);
        func.elemdescFunc.tdesc = scalar(VT_HRESULT);
        check(iface->AddFuncDesc(index, &func), "AddFuncDesc");
        check(iface->SetFuncAndParamNames(index, const_cast<LPOLESTR*>(m.names.data()),
                                          static_cast<UINT>(m.names.size())),
              "SetFuncAndParamNames");
    }
    check(iface->LayOut(), "LayOut(_asistente)");

    // asistente: creatable, application object, predeclared; _asistente by default.
    check(coclass->SetVersion(1, 0), "SetVersion(asistente)");
    check(coclass->AddImplType(0, referTo(coclass.Get(), typeInfoOf(iface.Get()).Get())), "AddImplType(_asistente)");
    check(coclass->SetImplTypeFlags(0, IMPLTYPEFLAG_FDEFAULT), "SetImplTypeFlags");
    // Set after AddImplType, which marks the class dispatchable when the
    // interface it adds happens to share IDispatch's reference number.
    check(coclass->SetTypeFlags(TYPEFLAG_FCANCREATE | TYPEFLAG_FAPPOBJECT | TYPEFLAG_FPREDECLID),
          "SetTypeFlags(asistente)");
    check(coclass->LayOut(), "LayOut(asistente)");

    check(lib->SaveAllChanges(), "SaveAllChanges");

    // Wine's writer sizes a vtable from the inherited IDispatch as the running
    // (64-bit) process sees it, so a 32-bit library gets 7 slots of 8 bytes
    // plus its own of 4. Write the size a 32-bit client expects.
    if (syskind == SYS_WIN32)
        setVtableSize(path, 0, static_cast<WORD>((kFirstOwnSlot + members.size()) * pointerSize));
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3 || (std::wcscmp(argv[2], L"win32") != 0 && std::wcscmp(argv[2], L"win64") != 0)) {
        std::fprintf(stderr, "usage: make_typelib OUT.tlb win32|win64\n");
        return 2;
    }
    const SYSKIND syskind = std::wcscmp(argv[2], L"win64") == 0 ? SYS_WIN64 : SYS_WIN32;
    CoInitialize(nullptr);
    int status = 0;
    try {
        writeTypeLibrary(argv[1], syskind);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "make_typelib: %s\n", failure.what());
        status = 1;
    }
    CoUninitialize();
    return status;
}
