#pragma once

#include "platform.h"

#include <string>

namespace gesticon {

// The Windows folder, ending in "\" unless the lookup gave nothing.
std::wstring BuscarCarpetaWindows(const Platform& platform);

} // namespace gesticon
