#pragma once
// One item of the "Opciones" menu as the window builds it: the item's name,
// caption and shortcut, the record source its command sets, and what runs
// when the user chooses it. The program's wiring holds the table of them.
#include <QKeyCombination>
#include <QStringView>

#include <functional>
#include <variant>

namespace catalogue {

class Form1;

struct OpcionesCommand {
    // A command of a layer, given the row's record source; it runs as one
    // command of the window (busy cursor, failures told to the user).
    using LayerCommand = std::function<void(Form1& form1, QStringView recordSource)>;
    // One of the window's own handlers, run as it is: "Salir" closes at once.
    using WindowHandler = void (Form1::*)();

    const char* menuItem; // the item's object name
    const char16_t* caption;
    QKeyCombination shortcut;
    QStringView recordSource; // the browse order the command sets; empty when it sets none
    std::variant<LayerCommand, WindowHandler> runs;
};

} // namespace catalogue
