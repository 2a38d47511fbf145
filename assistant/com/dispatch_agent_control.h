#pragma once
// The core's view of the agent control, implemented over the real control
// reached late-bound through IDispatch. Failures of the control keep its codes.

#include "agent_control.h"

#include <memory>

namespace gesticon::com {

// Creates the control by its class identifier through its extended control
// interface; fails with the creation's error when it is not registered.
Result<std::unique_ptr<AgentControl>> createDispatchAgentControl();

} // namespace gesticon::com
