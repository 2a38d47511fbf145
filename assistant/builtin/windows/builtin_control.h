#pragma once
// The built-in assistant: the control interface the assistant talks to,
// implemented with characters of our own where the animated-agent control
// is not installed.

#include "agent_control.h"

#include <memory>

namespace gesticon::builtin {

Result<std::unique_ptr<AgentControl>> createBuiltinControl();

// Forgets the window classes when the library is unloaded.
void unregisterWindowClasses();

} // namespace gesticon::builtin
