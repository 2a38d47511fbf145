#pragma once
namespace catalogue {

class Form1;
class LinkOpener;
class ReportOpener;

// Attaches the commands of every layer to the window: the "Opciones" menu
// from its table, the command column, the director buttons, and the boxes',
// logo's and "Acerca De..." links. Finished reports go to `reports`, web and
// mail links to `links`; both must outlive the window.
void wireCommands(Form1& form1, ReportOpener& reports, LinkOpener& links);

} // namespace catalogue
