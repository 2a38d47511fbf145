#pragma once
// Identifiers of the animated-agent control, from its documented type library.

#include <windows.h>

namespace gesticon::agent {

// The control class (AgentObjects.Agent).
inline constexpr GUID kClsidAgent = {0xD45FD31B, 0x5C6E, 0x11D1, {0x9E, 0xC1, 0x00, 0xC0, 0x4F, 0xD7, 0x08, 0x1F}};
// Its extended control interface IAgentCtlEx (dual).
inline constexpr GUID kIidAgentCtlEx = {0x8563FF20, 0x8ECC, 0x11D1, {0xB9, 0xB4, 0x00, 0xC0, 0x4F, 0xD9, 0x75, 0x75}};
// Its event dispinterface _AgentEvents.
inline constexpr GUID kDiidAgentEvents = {0xF5BE8BD4, 0x7DE6, 0x11D0, {0x91, 0xFE, 0x00, 0xC0, 0x4F, 0xD7, 0x01, 0xA5}};
// _AgentEvents.Command(UserInput).
inline constexpr DISPID kDispidCommandEvent = 17;

}  // namespace gesticon::agent
