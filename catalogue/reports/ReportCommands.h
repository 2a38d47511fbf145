#pragma once

#include <QObject>
#include <QStringView>

namespace catalogue {

class Form1;
class ReportOpener;

// The report commands of the "Opciones" menu, one handler per menu item:
// the nine listings and the statistics report, each over the window's data
// control and message box, handing the finished file to `opener`.
class ReportCommands final : public QObject {
    Q_OBJECT
public:
    ReportCommands(Form1& form1, ReportOpener& opener);

    void pelismas1cd_Click();
    void listadotitu_Click();
    void porelnumero_Click();
    void listadodirector_Click();
    void ordelistpordura_Click();
    void orportipodepeli_Click();
    void ordenadaporcodecs_Click();
    void fegraytitu_Click();
    void alfasoloti_Click();
    void estadis_Click();

private:
    void connectItem(const char* menuItem, void (ReportCommands::*handler)());
    // The listing of the menu item, as its row of the listing table says.
    void writeListing(QStringView menuItem);

    Form1& m_form1;
    ReportOpener& m_opener;
};

// Attaches the report commands to the window's menu items; they live as long
// as the window.
ReportCommands& attachReportCommands(Form1& form1, ReportOpener& opener);

} // namespace catalogue
