#pragma once

namespace catalogue {

// Started from the desktop's menu, Cintario keeps its catalogue in "Películas"
// of the user's documents folder (the one the desktop names in its XDG user
// folders), made on first use: the folder a menu starts programs in is no
// place for it. Makes that folder the current one; on failure throws a
// CatalogueError with the message for the user, the current folder left as it was.
void enterMenuCatalogueFolder();

} // namespace catalogue
