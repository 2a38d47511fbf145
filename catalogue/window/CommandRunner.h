#pragma once
// Runs one command of the window: an unexpected failure of the store ends the
// command at the failing step and is told to the user; the window stays usable.
#include "Dialogs.h"
#include "CatalogueError.h"

namespace catalogue {

template <typename F>
void runCommand(Dialogs& dialogs, F&& command)
{
    try {
        command();
    } catch (const CatalogueError& e) {
        dialogs.message(e.message());
    }
}

} // namespace catalogue
