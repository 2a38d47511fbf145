#include "agent_control_choice.h"

#include "builtin_control.h"
#include "dispatch_agent_control.h"

namespace gesticon::com {

Result<std::unique_ptr<AgentControl>> createAgentControl()
{
    auto control = createDispatchAgentControl();
    if (control)
        return control;
    // Not installed (every Windows since 7), not registered, or refusing to
    // start: the assistant works all the same, with its own characters.
    return builtin::createBuiltinControl();
}

} // namespace gesticon::com
