#include "ReportCommands.h"

#include "Form1.h"
#include "ListingDefinition.h"
#include "ListingReport.h"
#include "StatisticsReport.h"
#include "WindowReportSource.h"

#include <QAction>
#include <QLabel>

namespace catalogue {

ReportCommands::ReportCommands(Form1& form1, ReportOpener& opener)
    : QObject(&form1), m_form1(form1), m_opener(opener)
{
    connectItem("pelismas1cd", &ReportCommands::pelismas1cd_Click);
    connectItem("listadotitu", &ReportCommands::listadotitu_Click);
    connectItem("porelnumero", &ReportCommands::porelnumero_Click);
    connectItem("listadodirector", &ReportCommands::listadodirector_Click);
    connectItem("ordelistpordura", &ReportCommands::ordelistpordura_Click);
    connectItem("orportipodepeli", &ReportCommands::orportipodepeli_Click);
    connectItem("ordenadaporcodecs", &ReportCommands::ordenadaporcodecs_Click);
    connectItem("fegraytitu", &ReportCommands::fegraytitu_Click);
    connectItem("alfasoloti", &ReportCommands::alfasoloti_Click);
    connectItem("estadis", &ReportCommands::estadis_Click);
}

void ReportCommands::connectItem(const char* menuItem, void (ReportCommands::*handler)())
{
    QAction* item = m_form1.menuItem(QString::fromLatin1(menuItem));
    Q_ASSERT(item);
    connect(item, &QAction::triggered, this, handler);
}

void ReportCommands::pelismas1cd_Click() { writeListing(u"pelismas1cd"); }
void ReportCommands::listadotitu_Click() { writeListing(u"listadotitu"); }
void ReportCommands::porelnumero_Click() { writeListing(u"porelnumero"); }
void ReportCommands::listadodirector_Click() { writeListing(u"listadodirector"); }
void ReportCommands::ordelistpordura_Click() { writeListing(u"ordelistpordura"); }
void ReportCommands::orportipodepeli_Click() { writeListing(u"orportipodepeli"); }
void ReportCommands::ordenadaporcodecs_Click() { writeListing(u"ordenadaporcodecs"); }
void ReportCommands::fegraytitu_Click() { writeListing(u"fegraytitu"); }
void ReportCommands::alfasoloti_Click() { writeListing(u"alfasoloti"); }

void ReportCommands::writeListing(QStringView menuItem)
{
    const ListingDefinition* listing = findListing(menuItem);
    Q_ASSERT(listing);
    m_form1.run([&] {
        WindowReportSource data1(m_form1);
        writeListingReport(*listing, data1, m_form1.dialogs(), m_opener);
    });
}

void ReportCommands::estadis_Click()
{
    // The summary panel's figures as it shows them now, whatever has changed since.
    const auto caption = [this](const char* label) {
        return m_form1.label(QString::fromLatin1(label))->text();
    };
    const SummaryCaptions captions{caption("Label11"), caption("Label7"), caption("Label8"),
                                   caption("Label13")};
    m_form1.run([&] {
        WindowReportSource data1(m_form1);
        writeStatisticsReport(data1, captions, m_form1.dialogs(), m_opener, m_form1.locale());
    });
}

ReportCommands& attachReportCommands(Form1& form1, ReportOpener& opener)
{
    return *new ReportCommands(form1, opener);
}

} // namespace catalogue
