#pragma once
// The "Ordenar Por ..." commands of the "Opciones" menu: each puts the browse
// sequence into the order of its record source and shows its first film.
#include <QStringView>

namespace catalogue {

class Form1;

// One ordering: nothing at all on an empty catalogue; otherwise the new
// order, from its first film, even when that order was already in force.
void orderBy(Form1& form1, QStringView recordSource);

// Sets the record source, re-reads the record set and shows its first film.
void showFirstInOrder(Form1& form1, QStringView recordSource);

} // namespace catalogue
