#pragma once
// The command column: add a film, store it, delete the film on screen, clear
// the whole catalogue, and the menu item that arms the clear-all button.
#include <QObject>

namespace catalogue {

class Form1;

class EditingCommands : public QObject {
    Q_OBJECT
public:
    static inline const QString missingNumberOrTitle = QStringLiteral(
        "Añade Por Lo Menos El Número De La Película Y El Título, Y Si Lo Rellenas Todo Mucho Mejor...");
    static inline const QString filmDeleted = QStringLiteral("Película Borrada.");
    static inline const QString catalogueCleared = QStringLiteral("Base De Datos Borrada. Crea La Nueva.");
    static inline const QString numberNotWhole = QStringLiteral(
        "El Número De Película Tiene Que Ser Un Número Entero (1, 2, 3, 4, 5, Etc...). No Se Ha Grabado Nada.");
    static inline const QString cdsNotWhole = QStringLiteral(
        "El Número De Cd's Tiene Que Ser Un Número Entero (1, 2, 3, Etc...) O Quedar Vacío. No Se Ha Grabado Nada.");
    static inline const QString numberTooBig = QStringLiteral(
        "El Número De Película Es Demasiado Grande Para Guardarlo (Como Mucho 9223372036854775807). "
        "No Se Ha Grabado Nada.");
    static inline const QString cdsTooBig = QStringLiteral(
        "El Número De Cd's Es Demasiado Grande Para Guardarlo (Como Mucho 9223372036854775807). "
        "No Se Ha Grabado Nada.");
    static inline const QString defaultRunningTime = QStringLiteral("01:30:00");

    explicit EditingCommands(Form1& form1);

    void Command1_Click(); // "&Añadir Película"
    void Command3_Click(); // "&Grabar Película"
    void Command4_Click(); // "&Borrar Película"
    void Command2_Click(); // "Borrar &Todo"
    void activaborra_Click();

private:
    void clearAll();
    void setBrowsing();
    void setAdding();

    Form1& form_;
};

} // namespace catalogue
