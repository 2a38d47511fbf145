#pragma once
// The seven "Ordenar Por ..." commands of the "Opciones" menu: each puts the
// browse sequence into the order of one column and shows its first film.
#include <QString>

namespace catalogue {

class Form1;

// The record sources the orderings set. The film-number order is also the
// order every search walks in.
namespace recordSources {
inline const QString byNumber = QStringLiteral("select * FROM [Pelis] ORDER BY [idzefo] ASC");
inline const QString byCodec = QStringLiteral("select * FROM [Pelis] ORDER BY [codec] ASC");
inline const QString byRunningTime = QStringLiteral("select * FROM [Pelis] ORDER BY [duración] ASC");
inline const QString byTitle = QStringLiteral("select * FROM [Pelis] ORDER BY [titulo] ASC");
inline const QString byDirector = QStringLiteral("select * FROM [Pelis] ORDER BY [director] ASC");
inline const QString byKindOfCopy = QStringLiteral("select * FROM [Pelis] ORDER BY [tipopeli] ASC");
inline const QString byCdsMostFirst = QStringLiteral("select * FROM [Pelis] ORDER BY [totalcds] DESC");
} // namespace recordSources

// Sets the record source, re-reads the record set and shows its first film.
void showFirstInOrder(Form1& form1, const QString& recordSource);

// "Ordenar Por Número De Película" (Ctrl+C)
void pornumero_Click(Form1& form1);
// "Ordenar Por Tipo De Codec Utilizado" (Ctrl+D); the item's name is older than its caption.
void ordefecha_Click(Form1& form1);
// "Ordenar Por Duración De Película" (Ctrl+E)
void orddura_Click(Form1& form1);
// "Ordenar Por Título De Película" (Ctrl+F)
void ordtitu_Click(Form1& form1);
// "Ordenar Por Director De Película" (Ctrl+G)
void pordirector_Click(Form1& form1);
// "Ordenar Por Tipo De La Película" (Ctrl+H)
void oredipopeli_Click(Form1& form1);
// "Ordenar Por Cantidad De Cd's + A -" (Ctrl+I): the only order from more to fewer.
void ordecantc_Click(Form1& form1);

} // namespace catalogue
