#pragma once
namespace catalogue {

class Form1;

// Attaches the orderings, the two searches and director stepping to their
// menu items and buttons.
void attachBrowseCommands(Form1& form1);

} // namespace catalogue
