#pragma once

#include <QString>

#include <optional>

namespace catalogue {

// The result of one step of a report: empty when the step worked, otherwise
// the Spanish text that tells the user what went wrong.
using StepFailure = std::optional<QString>;

} // namespace catalogue
