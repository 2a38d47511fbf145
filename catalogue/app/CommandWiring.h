#pragma once
namespace catalogue {

class Form1;

// Attaches the commands of every layer to the window's buttons, boxes and menu items.
void wireCommands(Form1& form1);

} // namespace catalogue
