#include "CommandWiring.h"
#include "BrowseCommands.h"
#include "Form1.h"
#include "LinkOpener.h"
#include "ReportCommands.h"
#include "ReportViewer.h"
#include "WebLinkCommands.h"

namespace catalogue {

void wireCommands(Form1& form1)
{
    attachBrowseCommands(form1);
    static NotepadReportOpener notepad;
    static DesktopLinkOpener desktopLinks;
    attachReportCommands(form1, notepad);
    attachWebLinks(form1, desktopLinks);
}

} // namespace catalogue
