#pragma once

namespace catalogue {

// ShellExecuteA(owner, default verb, link, no parameters, "C:\", show
// normally), with shell32's ShellExecuteA looked up by name on the first
// call. The shell's answer is not looked at.
void shellOpen(void* ownerWindow, const char* ansiLink);

} // namespace catalogue
