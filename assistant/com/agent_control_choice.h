#pragma once
// The control an assistant object talks to, chosen once when the object is
// made: the animated-agent control when its class can be created, else the
// built-in assistant with characters of its own.

#include "agent_control.h"

#include <memory>

namespace gesticon::com {

Result<std::unique_ptr<AgentControl>> createAgentControl();

} // namespace gesticon::com
