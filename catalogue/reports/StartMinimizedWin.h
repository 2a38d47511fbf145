#pragma once

#include <string>

namespace catalogue {

// Starts a program from a command line, its window minimized and active,
// and returns at once; false when the program cannot be started.
bool startMinimizedWithFocus(const std::wstring& commandLine);

} // namespace catalogue
