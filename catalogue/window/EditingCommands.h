#pragma once
// The command column: add a film, store it, delete the film on screen, clear
// the whole catalogue, and the menu item that arms the clear-all button.
#include <QString>

namespace catalogue {

class Form1;

inline const QString kMissingNumberOrTitle =
    QStringLiteral("Añade Por Lo Menos El Número De La Película Y El Título, Y Si Lo Rellenas Todo Mucho Mejor...");
inline const QString kFilmDeleted = QStringLiteral("Película Borrada.");
inline const QString kCatalogueCleared = QStringLiteral("Base De Datos Borrada. Crea La Nueva.");
inline const QString kNumberNotWhole = QStringLiteral(
    "El Número De Película Tiene Que Ser Un Número Entero (1, 2, 3, 4, 5, Etc...). No Se Ha Grabado Nada.");
inline const QString kCdsNotWhole = QStringLiteral(
    "El Número De Cd's Tiene Que Ser Un Número Entero (1, 2, 3, Etc...) O Quedar Vacío. No Se Ha Grabado Nada.");
inline const QString kNumberTooBig =
    QStringLiteral("El Número De Película Es Demasiado Grande Para Guardarlo (Como Mucho 9223372036854775807). "
                   "No Se Ha Grabado Nada.");
inline const QString kCdsTooBig =
    QStringLiteral("El Número De Cd's Es Demasiado Grande Para Guardarlo (Como Mucho 9223372036854775807). "
                   "No Se Ha Grabado Nada.");
inline const QString kDefaultRunningTime = QStringLiteral("01:30:00");

// "&Añadir Película"
void Command1_Click(Form1& form1);
// "&Grabar Película"
void Command3_Click(Form1& form1);
// "&Borrar Película"
void Command4_Click(Form1& form1);
// "Borrar &Todo"
void Command2_Click(Form1& form1);
// "Activar - Desactivar Botón Borrar Todo" (Ctrl+S)
void activaborra_Click(Form1& form1);

// Attaches the four buttons of the command column; activaborra is a row of the "Opciones" table.
void attachEditingCommands(Form1& form1);

} // namespace catalogue
