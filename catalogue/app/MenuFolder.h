#pragma once
#include <QString>

#include <optional>

namespace catalogue {

// Started from the desktop's menu, Cintario keeps its catalogue in "Películas"
// of the user's documents folder (the one the desktop names in its XDG user
// folders), made on first use: the folder a menu starts programs in is no
// place for it. Makes that folder the current one; on failure returns the
// message for the user and the current folder is left as it was.
std::optional<QString> enterMenuCatalogueFolder();

} // namespace catalogue
