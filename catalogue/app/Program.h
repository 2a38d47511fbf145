#pragma once
#include <functional>

namespace catalogue {

class Form1;

// Opens the catalogue of the current folder and runs the main window until it
// is closed. A catalogue that cannot be opened is told to the user and ends
// the program with status 1. `shown` runs once the window is on screen.
int runProgram(const std::function<void(Form1&)>& shown = {});

} // namespace catalogue
