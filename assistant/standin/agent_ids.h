#pragma once
// Identifiers of the animated-agent control that this stand-in answers to.
// The dispatch identifiers are those of the control's own type library, so a
// client that caches them (or resolves them by name) sees the same numbers.
#include <windows.h>

namespace standin {

// {D45FD31B-5C6E-11D1-9EC1-00C04FD7081F}: the control's class.
inline constexpr CLSID kAgentControlClsid =
    {0xD45FD31B, 0x5C6E, 0x11D1, {0x9E, 0xC1, 0x00, 0xC0, 0x4F, 0xD7, 0x08, 0x1F}};
// {8563FF20-8ECC-11D1-B9B4-00C04FD97575}: IAgentCtlEx, the extended control interface.
inline constexpr IID kIAgentCtlEx =
    {0x8563FF20, 0x8ECC, 0x11D1, {0xB9, 0xB4, 0x00, 0xC0, 0x4F, 0xD9, 0x75, 0x75}};
// {F5BE8BD1-7DE6-11D0-91FE-00C04FD701A5}: IAgentCtl, its base.
inline constexpr IID kIAgentCtl =
    {0xF5BE8BD1, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
// {F5BE8BD4-7DE6-11D0-91FE-00C04FD701A5}: the _AgentEvents dispinterface.
inline constexpr IID kAgentEventsDiid =
    {0xF5BE8BD4, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};

inline constexpr IID kIAgentCtlCharacters =
    {0xF5BE8BE8, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
inline constexpr IID kIAgentCtlCharacter =
    {0xF5BE8BD9, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
inline constexpr IID kIAgentCtlCharacterEx =
    {0xDE8EF600, 0x2F82, 0x11D1, {0xAC, 0xAC, 0x00, 0xC0, 0x4F, 0xD9, 0x75, 0x75}};
inline constexpr IID kIAgentCtlBalloon =
    {0xF5BE8BD3, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
inline constexpr IID kIAgentCtlBalloonEx =
    {0x822DB1C0, 0x8879, 0x11D1, {0x9E, 0xC6, 0x00, 0xC0, 0x4F, 0xD7, 0x08, 0x1F}};
inline constexpr IID kIAgentCtlCommands =
    {0xF5BE8BE1, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
inline constexpr IID kIAgentCtlCommandsEx =
    {0x6BA90C01, 0x3910, 0x11D1, {0xAC, 0xB3, 0x00, 0xC0, 0x4F, 0xD9, 0x75, 0x75}};
inline constexpr IID kIAgentCtlCommand =
    {0xF5BE8BE3, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
inline constexpr IID kIAgentCtlCommandEx =
    {0xB0913410, 0x3B44, 0x11D1, {0xAC, 0xBA, 0x00, 0xC0, 0x4F, 0xD9, 0x75, 0x75}};
inline constexpr IID kIAgentCtlRequest =
    {0x1DAB85C3, 0x803A, 0x11D0, {0xAC, 0x63, 0x00, 0xC0, 0x4F, 0xD9, 0x75, 0x75}};
inline constexpr IID kIAgentCtlPropertySheet =
    {0xF5BE8BDF, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
inline constexpr IID kIAgentCtlUserInput =
    {0xC4ABF875, 0x8100, 0x11D0, {0xAC, 0x63, 0x00, 0xC0, 0x4F, 0xD9, 0x75, 0x75}};

namespace dispid {
// Control (IAgentCtlEx)
inline constexpr DISPID kCharacters = 3;
inline constexpr DISPID kPropertySheet = 8;
// Not a member of the real control: the test hook that raises the Command event.
inline constexpr DISPID kRaiseCommand = 0x4000;
// Characters
inline constexpr DISPID kItem = 0;
inline constexpr DISPID kLoad = 1;
inline constexpr DISPID kUnload = 2;
// Character (IAgentCtlCharacterEx)
inline constexpr DISPID kLeft = 3;
inline constexpr DISPID kTop = 4;
inline constexpr DISPID kHeight = 5;
inline constexpr DISPID kWidth = 6;
inline constexpr DISPID kPlay = 13;
inline constexpr DISPID kStop = 14;
inline constexpr DISPID kSpeak = 15;
inline constexpr DISPID kMoveTo = 18;
inline constexpr DISPID kShow = 20;
inline constexpr DISPID kBalloon = 23;
inline constexpr DISPID kCommands = 25;
inline constexpr DISPID kSoundEffectsOn = 35;
inline constexpr DISPID kLanguageID = 43;
inline constexpr DISPID kThink = 52;
// Balloon (IAgentCtlBalloonEx)
inline constexpr DISPID kStyle = 16;
// Commands (IAgentCtlCommandsEx)
inline constexpr DISPID kAdd = 10;
// Command (IAgentCtlCommand)
inline constexpr DISPID kCommandCaption = 2;
// PropertySheet
inline constexpr DISPID kVisible = 6;
// Request (IAgentCtlRequest)
inline constexpr DISPID kRequestId = 0;
inline constexpr DISPID kRequestStatus = 1;
// UserInput (IAgentCtlUserInput)
inline constexpr DISPID kUserInputName = 0x60020001;
inline constexpr DISPID kUserInputCharacterID = 0x60020002;
// _AgentEvents
inline constexpr DISPID kCommandEvent = 17;
}  // namespace dispid

}  // namespace standin
