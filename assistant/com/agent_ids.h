#pragma once
// Identifiers of the animated-agent control, from its documented type library:
// the ones Gesticon reaches it by, and the ones its stand-in answers to (the
// dispatch identifiers are the control's own, so a client that caches them,
// or resolves them by name, sees the same numbers from either).

#include <windows.h>
#include <oaidl.h>

namespace gesticon::agent {

// The control class (AgentObjects.Agent).
inline constexpr CLSID kClsidAgent = {0xD45FD31B, 0x5C6E, 0x11D1, {0x9E, 0xC1, 0x00, 0xC0, 0x4F, 0xD7, 0x08, 0x1F}};
// Its extended control interface IAgentCtlEx (dual), and IAgentCtl, its base.
inline constexpr IID kIidAgentCtlEx = {0x8563FF20, 0x8ECC, 0x11D1, {0xB9, 0xB4, 0x00, 0xC0, 0x4F, 0xD9, 0x75, 0x75}};
inline constexpr IID kIidAgentCtl = {0xF5BE8BD1, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
// Its event dispinterface _AgentEvents.
inline constexpr IID kDiidAgentEvents = {0xF5BE8BD4, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};

// The interfaces of the objects the control hands out.
inline constexpr IID kIidAgentCtlCharacters = {
    0xF5BE8BE8, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
inline constexpr IID kIidAgentCtlCharacter = {
    0xF5BE8BD9, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
inline constexpr IID kIidAgentCtlCharacterEx = {
    0xDE8EF600, 0x2F82, 0x11D1, {0xAC, 0xAC, 0x00, 0xC0, 0x4F, 0xD9, 0x75, 0x75}};
inline constexpr IID kIidAgentCtlBalloon = {
    0xF5BE8BD3, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
inline constexpr IID kIidAgentCtlBalloonEx = {
    0x822DB1C0, 0x8879, 0x11D1, {0x9E, 0xC6, 0x00, 0xC0, 0x4F, 0xD7, 0x08, 0x1F}};
inline constexpr IID kIidAgentCtlCommands = {
    0xF5BE8BE1, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
inline constexpr IID kIidAgentCtlCommandsEx = {
    0x6BA90C01, 0x3910, 0x11D1, {0xAC, 0xB3, 0x00, 0xC0, 0x4F, 0xD9, 0x75, 0x75}};
inline constexpr IID kIidAgentCtlCommand = {
    0xF5BE8BE3, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
inline constexpr IID kIidAgentCtlCommandEx = {
    0xB0913410, 0x3B44, 0x11D1, {0xAC, 0xBA, 0x00, 0xC0, 0x4F, 0xD9, 0x75, 0x75}};
inline constexpr IID kIidAgentCtlRequest = {
    0x1DAB85C3, 0x803A, 0x11D0, {0xAC, 0x63, 0x00, 0xC0, 0x4F, 0xD9, 0x75, 0x75}};
inline constexpr IID kIidAgentCtlPropertySheet = {
    0xF5BE8BDF, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
inline constexpr IID kIidAgentCtlUserInput = {
    0xC4ABF875, 0x8100, 0x11D0, {0xAC, 0x63, 0x00, 0xC0, 0x4F, 0xD9, 0x75, 0x75}};

// Dispatch identifiers. Control (IAgentCtlEx):
inline constexpr DISPID kDispidCharacters = 3;
inline constexpr DISPID kDispidPropertySheet = 8;
// Characters:
inline constexpr DISPID kDispidItem = 0;
inline constexpr DISPID kDispidLoad = 1;
inline constexpr DISPID kDispidUnload = 2;
// Character (IAgentCtlCharacterEx):
inline constexpr DISPID kDispidLeft = 3;
inline constexpr DISPID kDispidTop = 4;
inline constexpr DISPID kDispidHeight = 5;
inline constexpr DISPID kDispidWidth = 6;
inline constexpr DISPID kDispidPlay = 13;
inline constexpr DISPID kDispidStop = 14;
inline constexpr DISPID kDispidSpeak = 15;
inline constexpr DISPID kDispidMoveTo = 18;
inline constexpr DISPID kDispidShow = 20;
inline constexpr DISPID kDispidBalloon = 23;
inline constexpr DISPID kDispidCommands = 25;
inline constexpr DISPID kDispidSoundEffectsOn = 35;
inline constexpr DISPID kDispidLanguageId = 43;
inline constexpr DISPID kDispidThink = 52;
// Balloon (IAgentCtlBalloonEx):
inline constexpr DISPID kDispidStyle = 16;
// Commands (IAgentCtlCommandsEx):
inline constexpr DISPID kDispidAdd = 10;
// Command (IAgentCtlCommand):
inline constexpr DISPID kDispidCaption = 2;
// PropertySheet:
inline constexpr DISPID kDispidVisible = 6;
// Request (IAgentCtlRequest):
inline constexpr DISPID kDispidRequestId = 0;
inline constexpr DISPID kDispidRequestStatus = 1;
// UserInput (IAgentCtlUserInput):
inline constexpr DISPID kDispidUserInputName = 0x60020001;
// _AgentEvents.Command(UserInput):
inline constexpr DISPID kDispidCommandEvent = 17;

} // namespace gesticon::agent
