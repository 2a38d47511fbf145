#include "BrowseCommands.h"
#include "DirectorStepping.h"
#include "FilmSearch.h"
#include "Form1.h"
#include "Orderings.h"

#include <QAction>
#include <QPushButton>

namespace catalogue {

namespace {

void onMenuItem(Form1& form1, const char* name, void (*handler)(Form1&))
{
    QObject::connect(form1.menuItem(QString::fromLatin1(name)), &QAction::triggered, &form1,
                     [&form1, handler] { form1.run([&] { handler(form1); }); });
}

void onButton(Form1& form1, int number, void (*handler)(Form1&))
{
    QObject::connect(form1.command(number), &QPushButton::clicked, &form1,
                     [&form1, handler] { form1.run([&] { handler(form1); }); });
}

} // namespace

void attachBrowseCommands(Form1& form1)
{
    onMenuItem(form1, "buscapelijeje", buscapelijeje_Click);
    onMenuItem(form1, "buscadirector", buscadirector_Click);
    onMenuItem(form1, "pornumero", pornumero_Click);
    onMenuItem(form1, "ordefecha", ordefecha_Click);
    onMenuItem(form1, "orddura", orddura_Click);
    onMenuItem(form1, "ordtitu", ordtitu_Click);
    onMenuItem(form1, "pordirector", pordirector_Click);
    onMenuItem(form1, "oredipopeli", oredipopeli_Click);
    onMenuItem(form1, "ordecantc", ordecantc_Click);
    onButton(form1, 5, Command5_Click);
    onButton(form1, 6, Command6_Click);
}

} // namespace catalogue
