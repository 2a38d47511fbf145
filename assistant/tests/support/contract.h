#pragma once
// Gesticon's contract as its clients see it, row by row, written out here
// independently of the code that implements it, so that the tests compare
// the two.

#include <windows.h>
#include <oaidl.h>

#include <vector>

namespace gesticon::tests {

inline constexpr wchar_t kProgId[] = L"Gesticon.asistente";
// Identifiers, as the registry writes them; guid() reads one.
inline constexpr wchar_t kClsidAsistente[] = L"{2E4ACAA1-1380-433D-8CF7-11790FEDE7F1}";
inline constexpr wchar_t kIidAsistente[] = L"{896479E5-91F0-4506-BF32-6E0EC19EA9B1}";
inline constexpr wchar_t kLibId[] = L"{94A69FCC-9297-43AC-A457-5FAAFF2008CE}";
inline constexpr wchar_t kGuidIdioma[] = L"{D0F1DE15-74C4-4C24-91FD-51BD4BEBAFF4}";
inline constexpr wchar_t kGuidMuneco[] = L"{25F300D7-35D1-449F-9CFD-13BB14C501A2}";
inline constexpr wchar_t kGuidAccion[] = L"{2C88BDAA-985E-4EF0-99A8-F1D0820AF14B}";
// OLE Automation (stdole2), which the type library imports IDispatch from.
inline constexpr wchar_t kLibIdStdOle[] = L"{00020430-0000-0000-C000-000000000046}";
// The type-library marshaller (PSOAInterface) the interface is registered with.
inline constexpr wchar_t kTypeLibMarshaller[] = L"{00020424-0000-0000-C000-000000000046}";

GUID guid(const wchar_t* text);

// The class's own errors: runtime errors 6, 9 and 91 in the control facility.
inline constexpr HRESULT kError6 = static_cast<HRESULT>(0x800A0006);
inline constexpr HRESULT kError9 = static_cast<HRESULT>(0x800A0009);
inline constexpr HRESULT kError91 = static_cast<HRESULT>(0x800A005B);
inline constexpr wchar_t kError6Text[] = L"Overflow";
inline constexpr wchar_t kError9Text[] = L"Subscript out of range";
inline constexpr wchar_t kError91Text[] = L"Object variable or With block variable not set";

// One parameter: its type (VT_PTR for pointers, with the pointee in `target`;
// VT_USERDEFINED with the referenced type's name) and its flags.
struct ExpectedParam {
    VARTYPE type;
    VARTYPE target;          // for VT_PTR
    const wchar_t* typeName; // for VT_USERDEFINED (directly or behind the pointer)
    USHORT flags;
    const wchar_t* name; // nullptr when unnamed
};

// One member of `_asistente`: its vtable slot, name, kind, dispatch
// identifier and parameters.
struct ExpectedMember {
    int slot;
    const wchar_t* name;
    INVOKEKIND kind;
    MEMBERID id;
    std::vector<ExpectedParam> params;
};

inline constexpr USHORT kIn = PARAMFLAG_FIN;
inline constexpr USHORT kInOut = PARAMFLAG_FIN | PARAMFLAG_FOUT;
inline constexpr USHORT kRetval = PARAMFLAG_FOUT | PARAMFLAG_FRETVAL;

inline const std::vector<ExpectedMember>& expectedMembers()
{
    static const std::vector<ExpectedMember> members = {
        {7, L"Sound", INVOKE_PROPERTYGET, 0x68030003, {{VT_PTR, VT_BOOL, nullptr, kRetval, nullptr}}},
        {8, L"Sound", INVOKE_PROPERTYPUT, 0x68030003, {{VT_BOOL, 0, nullptr, kIn, nullptr}}},
        {9, L"Balloon", INVOKE_PROPERTYGET, 0x68030002, {{VT_PTR, VT_BOOL, nullptr, kRetval, nullptr}}},
        {10, L"Balloon", INVOKE_PROPERTYPUT, 0x68030002, {{VT_BOOL, 0, nullptr, kIn, nullptr}}},
        {11, L"AutoHide", INVOKE_PROPERTYGET, 0x68030001, {{VT_PTR, VT_BOOL, nullptr, kRetval, nullptr}}},
        {12, L"AutoHide", INVOKE_PROPERTYPUT, 0x68030001, {{VT_BOOL, 0, nullptr, kIn, nullptr}}},
        {13, L"AutoSpace", INVOKE_PROPERTYGET, 0x68030000, {{VT_PTR, VT_BOOL, nullptr, kRetval, nullptr}}},
        {14, L"AutoSpace", INVOKE_PROPERTYPUT, 0x68030000, {{VT_BOOL, 0, nullptr, kIn, nullptr}}},
        {15,
         L"Show",
         INVOKE_FUNC,
         0x60030006,
         {{VT_USERDEFINED, 0, L"Idioma", kIn, L"LenguajeID"}, {VT_USERDEFINED, 0, L"Mu\u00f1eco", kIn, L"GUIA"}}},
        {16, L"Unload", INVOKE_FUNC, 0x60030007, {}},
        {17, L"Speak", INVOKE_FUNC, 0x60030008, {{VT_BSTR, 0, nullptr, kIn, L"strOracion"}}},
        {18, L"Think", INVOKE_FUNC, 0x60030009, {{VT_BSTR, 0, nullptr, kIn, L"strOracion"}}},
        {19,
         L"Move",
         INVOKE_FUNC,
         0x6003000A,
         {{VT_PTR, VT_I2, nullptr, kInOut, L"x"}, {VT_PTR, VT_I2, nullptr, kInOut, L"y"}}},
        {20, L"Action", INVOKE_FUNC, 0x6003000B, {{VT_PTR, VT_USERDEFINED, L"Accion", kInOut, L"accNombre"}}},
        {21,
         L"Animations",
         INVOKE_FUNC,
         0x6003000D,
         {{VT_I2, 0, nullptr, kIn, L"indice"}, {VT_PTR, VT_BSTR, nullptr, kRetval, nullptr}}},
        {22, L"Stop_Asistente", INVOKE_FUNC, 0x6003000E, {}},
    };
    return members;
}

struct ExpectedConstant {
    const wchar_t* name;
    LONG value;
};

inline const std::vector<ExpectedConstant>& idiomaMembers()
{
    static const std::vector<ExpectedConstant> members = {{L"EnglishUS", 1033},  {L"EnglishGB", 2057},
                                                          {L"French", 1036},     {L"Italian", 1040},
                                                          {L"Portuguese", 2070}, {L"Spanish", 3082}};
    return members;
}

inline const std::vector<ExpectedConstant>& munecoMembers()
{
    static const std::vector<ExpectedConstant> members = {{L"Genie", 0}, {L"Merlin", 1}, {L"Robby", 2}, {L"Peedy", 3}};
    return members;
}

inline const std::vector<ExpectedConstant>& accionMembers()
{
    static const std::vector<ExpectedConstant> members = {{L"Acknowledge", 0},
                                                          {L"Alert", 1},
                                                          {L"Announce", 2},
                                                          {L"Blink", 3},
                                                          {L"Confused", 4},
                                                          {L"Congratulate", 5},
                                                          {L"Decline", 6},
                                                          {L"DoMagic1", 7},
                                                          {L"DoMagic2", 8},
                                                          {L"DontRecognize", 9},
                                                          {L"Explain", 10},
                                                          {L"GestureDown", 11},
                                                          {L"GestureLeft", 12},
                                                          {L"GestureRight", 13},
                                                          {L"GestureUp", 14},
                                                          {L"GetAttention", 15},
                                                          {L"GetAttentionContinued", 16},
                                                          {L"GetAttentionReturn", 17},
                                                          {L"Greet", 18},
                                                          {L"Hearing_1", 19},
                                                          {L"Hearing_2", 20},
                                                          {L"Hearing_3", 21},
                                                          {L"Hide", 22},
                                                          {L"Idle1_1", 23},
                                                          {L"Idle1_2", 24},
                                                          {L"Idle1_3", 25},
                                                          {L"Idle1_4", 26},
                                                          {L"Idle2_1", 27},
                                                          {L"Idle2_2", 28},
                                                          {L"Idle3_1", 29},
                                                          {L"Idle3_2", 30},
                                                          {L"LookDown", 31},
                                                          {L"LookDownReturn", 32},
                                                          {L"LookLeft", 33},
                                                          {L"LookLeftReturn", 34},
                                                          {L"LookRight", 35},
                                                          {L"LookRightReturn", 36},
                                                          {L"LookUp", 37},
                                                          {L"LookUpReturn", 38},
                                                          {L"MoveDown", 39},
                                                          {L"MoveLeft", 40},
                                                          {L"MoveUp", 41},
                                                          {L"MoveRight", 42},
                                                          {L"Pleased", 43},
                                                          {L"Process", 44},
                                                          {L"Processing", 45},
                                                          {L"Read", 46},
                                                          {L"ReadContinued", 47},
                                                          {L"Reading", 48},
                                                          {L"ReadReturn", 49},
                                                          {L"RestPose", 50},
                                                          {L"Sad", 51},
                                                          {L"ShowA", 52},
                                                          {L"Search", 53},
                                                          {L"Searching", 54},
                                                          {L"StartListening", 55},
                                                          {L"StopListening", 56},
                                                          {L"Suggest", 57},
                                                          {L"Surprised", 58},
                                                          {L"ThinkW", 59},
                                                          {L"Thinking", 60},
                                                          {L"Uncertain", 61},
                                                          {L"Wave", 62},
                                                          {L"WriteA", 63},
                                                          {L"WriteContinued", 64},
                                                          {L"WriteReturn", 65},
                                                          {L"Writing", 66}};
    return members;
}

// The dispatch identifier of member `name`.
DISPID dispidOf(const wchar_t* name);

} // namespace gesticon::tests
