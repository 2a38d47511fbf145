#pragma once
#include "OpcionesCommand.h"

#include <vector>

namespace catalogue {

class ReportOpener;

// The "Opciones" menu, one row per item in menu order: name, caption,
// shortcut, the record source the command sets and what runs. Finished
// reports go to `reports`.
std::vector<OpcionesCommand> opcionesMenu(ReportOpener& reports);

} // namespace catalogue
