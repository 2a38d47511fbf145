#pragma once
// The platform queries of the assistant, answered by Windows.

#include "platform.h"

namespace gesticon::com {

Platform windowsPlatform();

} // namespace gesticon::com
