#pragma once
// The identifiers automation clients bind to; shared by the type library
// generator and the COM library.

#include <windows.h>
#include <oaidl.h>

namespace gesticon::ids {

// Type library `Gesticon` 1.0, locale neutral.
inline constexpr GUID kLibId = {0x94A69FCC, 0x9297, 0x43AC, {0xA4, 0x57, 0x5F, 0xAA, 0xFF, 0x20, 0x08, 0xCE}};
inline constexpr WORD kLibMajor = 1;
inline constexpr WORD kLibMinor = 0;

// Dual interface `_asistente`.
inline constexpr GUID kIidAsistente = {0x896479E5, 0x91F0, 0x4506, {0xBF, 0x32, 0x6E, 0x0E, 0xC1, 0x9E, 0xA9, 0xB1}};
// Class `asistente`.
inline constexpr GUID kClsidAsistente = {0x2E4ACAA1, 0x1380, 0x433D, {0x8C, 0xF7, 0x11, 0x79, 0x0F, 0xED, 0xE7, 0xF1}};
// Enumerations `Idioma`, `Muñeco`, `Accion`.
inline constexpr GUID kGuidIdioma = {0xD0F1DE15, 0x74C4, 0x4C24, {0x91, 0xFD, 0x51, 0xBD, 0x4B, 0xEB, 0xAF, 0xF4}};
inline constexpr GUID kGuidMuneco = {0x25F300D7, 0x35D1, 0x449F, {0x9C, 0xFD, 0x13, 0xBB, 0x14, 0xC5, 0x01, 0xA2}};
inline constexpr GUID kGuidAccion = {0x2C88BDAA, 0x985E, 0x4EF0, {0x99, 0xA8, 0xF1, 0xD0, 0x82, 0x0A, 0xF1, 0x4B}};

inline constexpr wchar_t kProgId[] = L"Gesticon.asistente";

// Dispatch identifiers of `_asistente`.
inline constexpr DISPID kDispidAutoSpace = 0x68030000;
inline constexpr DISPID kDispidAutoHide = 0x68030001;
inline constexpr DISPID kDispidBalloon = 0x68030002;
inline constexpr DISPID kDispidSound = 0x68030003;
inline constexpr DISPID kDispidShow = 0x60030006;
inline constexpr DISPID kDispidUnload = 0x60030007;
inline constexpr DISPID kDispidSpeak = 0x60030008;
inline constexpr DISPID kDispidThink = 0x60030009;
inline constexpr DISPID kDispidMove = 0x6003000A;
inline constexpr DISPID kDispidAction = 0x6003000B;
inline constexpr DISPID kDispidAnimations = 0x6003000D;
inline constexpr DISPID kDispidStopAsistente = 0x6003000E;

} // namespace gesticon::ids
