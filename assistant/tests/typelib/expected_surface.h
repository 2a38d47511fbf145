#pragma once
// The library surface that automation clients bind to, row by row, written
// out independently of the generator that produces it.

#include <windows.h>
#include <oaidl.h>

#include <vector>

namespace gesticon::typelib_check {

inline constexpr GUID kLibId = {0x94A69FCC, 0x9297, 0x43AC, {0xA4, 0x57, 0x5F, 0xAA, 0xFF, 0x20, 0x08, 0xCE}};
inline constexpr GUID kIid = {0x896479E5, 0x91F0, 0x4506, {0xBF, 0x32, 0x6E, 0x0E, 0xC1, 0x9E, 0xA9, 0xB1}};
inline constexpr GUID kClsid = {0x2E4ACAA1, 0x1380, 0x433D, {0x8C, 0xF7, 0x11, 0x79, 0x0F, 0xED, 0xE7, 0xF1}};
inline constexpr GUID kIdioma = {0xD0F1DE15, 0x74C4, 0x4C24, {0x91, 0xFD, 0x51, 0xBD, 0x4B, 0xEB, 0xAF, 0xF4}};
inline constexpr GUID kMuneco = {0x25F300D7, 0x35D1, 0x449F, {0x9C, 0xFD, 0x13, 0xBB, 0x14, 0xC5, 0x01, 0xA2}};
inline constexpr GUID kAccion = {0x2C88BDAA, 0x985E, 0x4EF0, {0x99, 0xA8, 0xF1, 0xD0, 0x82, 0x0A, 0xF1, 0x4B}};
inline constexpr GUID kStdOle = {0x00020430, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr GUID kAgentClsid = {0xD45FD31B, 0x5C6E, 0x11D1, {0x9E, 0xC1, 0x00, 0xC0, 0x4F, 0xD7, 0x08, 0x1F}};

// One parameter: its type (VT_PTR for pointers, with the pointee in `target`;
// VT_USERDEFINED with the referenced type's name) and its flags.
struct ExpectedParam {
    VARTYPE type;
    VARTYPE target;          // for VT_PTR
    const wchar_t* typeName; // for VT_USERDEFINED (directly or behind the pointer)
    USHORT flags;
    const wchar_t* name;     // nullptr when unnamed
};

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
        {15, L"Show", INVOKE_FUNC, 0x60030006,
         {{VT_USERDEFINED, 0, L"Idioma", kIn, L"LenguajeID"},
          {VT_USERDEFINED, 0, L"Mu\u00f1eco", kIn, L"GUIA"}}},
        {16, L"Unload", INVOKE_FUNC, 0x60030007, {}},
        {17, L"Speak", INVOKE_FUNC, 0x60030008, {{VT_BSTR, 0, nullptr, kIn, L"strOracion"}}},
        {18, L"Think", INVOKE_FUNC, 0x60030009, {{VT_BSTR, 0, nullptr, kIn, L"strOracion"}}},
        {19, L"Move", INVOKE_FUNC, 0x6003000A,
         {{VT_PTR, VT_I2, nullptr, kInOut, L"x"}, {VT_PTR, VT_I2, nullptr, kInOut, L"y"}}},
        {20, L"Action", INVOKE_FUNC, 0x6003000B,
         {{VT_PTR, VT_USERDEFINED, L"Accion", kInOut, L"accNombre"}}},
        {21, L"Animations", INVOKE_FUNC, 0x6003000D,
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
    static const std::vector<ExpectedConstant> members = {
        {L"EnglishUS", 1033}, {L"EnglishGB", 2057}, {L"French", 1036},
        {L"Italian", 1040},   {L"Portuguese", 2070}, {L"Spanish", 3082}};
    return members;
}

inline const std::vector<ExpectedConstant>& munecoMembers()
{
    static const std::vector<ExpectedConstant> members = {
        {L"Genie", 0}, {L"Merlin", 1}, {L"Robby", 2}, {L"Peedy", 3}};
    return members;
}

inline const std::vector<ExpectedConstant>& accionMembers()
{
    static const std::vector<ExpectedConstant> members = {
        {L"Acknowledge", 0}, {L"Alert", 1}, {L"Announce", 2}, {L"Blink", 3}, {L"Confused", 4},
        {L"Congratulate", 5}, {L"Decline", 6}, {L"DoMagic1", 7}, {L"DoMagic2", 8},
        {L"DontRecognize", 9}, {L"Explain", 10}, {L"GestureDown", 11}, {L"GestureLeft", 12},
        {L"GestureRight", 13}, {L"GestureUp", 14}, {L"GetAttention", 15},
        {L"GetAttentionContinued", 16}, {L"GetAttentionReturn", 17}, {L"Greet", 18},
        {L"Hearing_1", 19}, {L"Hearing_2", 20}, {L"Hearing_3", 21}, {L"Hide", 22},
        {L"Idle1_1", 23}, {L"Idle1_2", 24}, {L"Idle1_3", 25}, {L"Idle1_4", 26}, {L"Idle2_1", 27},
        {L"Idle2_2", 28}, {L"Idle3_1", 29}, {L"Idle3_2", 30}, {L"LookDown", 31},
        {L"LookDownReturn", 32}, {L"LookLeft", 33}, {L"LookLeftReturn", 34}, {L"LookRight", 35},
        {L"LookRightReturn", 36}, {L"LookUp", 37}, {L"LookUpReturn", 38}, {L"MoveDown", 39},
        {L"MoveLeft", 40}, {L"MoveUp", 41}, {L"MoveRight", 42}, {L"Pleased", 43},
        {L"Process", 44}, {L"Processing", 45}, {L"Read", 46}, {L"ReadContinued", 47},
        {L"Reading", 48}, {L"ReadReturn", 49}, {L"RestPose", 50}, {L"Sad", 51}, {L"ShowA", 52},
        {L"Search", 53}, {L"Searching", 54}, {L"StartListening", 55}, {L"StopListening", 56},
        {L"Suggest", 57}, {L"Surprised", 58}, {L"ThinkW", 59}, {L"Thinking", 60},
        {L"Uncertain", 61}, {L"Wave", 62}, {L"WriteA", 63}, {L"WriteContinued", 64},
        {L"WriteReturn", 65}, {L"Writing", 66}};
    return members;
}

}  // namespace gesticon::typelib_check
