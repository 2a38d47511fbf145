#pragma once
namespace catalogue {

class Form1;

// Attaches director stepping to "< Direct." and "> Direct."; the orderings and
// the searches are rows of the "Opciones" table.
void attachBrowseCommands(Form1& form1);

} // namespace catalogue
