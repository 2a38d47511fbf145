#include "CommandWiring.h"
#include "BrowseCommands.h"
#include "EditingCommands.h"
#include "Form1.h"
#include "OpcionesMenu.h"
#include "WebLinkCommands.h"

namespace catalogue {

void wireCommands(Form1& form1, ReportOpener& reports, LinkOpener& links)
{
    form1.buildOpciones(opcionesMenu(reports));
    attachEditingCommands(form1);
    attachBrowseCommands(form1);
    attachWebLinks(form1, links);
}

} // namespace catalogue
