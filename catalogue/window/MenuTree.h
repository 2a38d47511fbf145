#pragma once
// The items of the "Opciones" menu, in order, with their shortcuts.
#include <QKeySequence>
#include <QString>

#include <array>

namespace catalogue {

struct MenuItemSpec {
    const char* name;
    const char16_t* caption;
    QKeyCombination shortcut;
};

inline const std::array<MenuItemSpec, 21>& opcionesItems()
{
    static const std::array<MenuItemSpec, 21> items{{
        {"buscapelijeje", u"Buscar Película", Qt::CTRL | Qt::Key_A},
        {"buscadirector", u"Buscar Director", Qt::CTRL | Qt::Key_B},
        {"pornumero", u"Ordenar Por Número De Película", Qt::CTRL | Qt::Key_C},
        {"ordefecha", u"Ordenar Por Tipo De Codec Utilizado", Qt::CTRL | Qt::Key_D},
        {"orddura", u"Ordenar Por Duración De Película", Qt::CTRL | Qt::Key_E},
        {"ordtitu", u"Ordenar Por Título De Película", Qt::CTRL | Qt::Key_F},
        {"pordirector", u"Ordenar Por Director De Película", Qt::CTRL | Qt::Key_G},
        {"oredipopeli", u"Ordenar Por Tipo De La Película", Qt::CTRL | Qt::Key_H},
        {"ordecantc", u"Ordenar Por Cantidad De Cd's + A -", Qt::CTRL | Qt::Key_I},
        {"pelismas1cd", u"Mostrar Películas De Más De Un Cd", Qt::CTRL | Qt::Key_J},
        {"listadotitu", u"Mostrar Listado De Películas Ordenadas Por Título", Qt::CTRL | Qt::Key_K},
        {"porelnumero", u"Mostrar Listado De Películas Ordenadas Por Número", Qt::CTRL | Qt::Key_L},
        {"listadodirector", u"Mostrar Listado De Películas Ordenadas Por Director", Qt::CTRL | Qt::Key_M},
        {"ordelistpordura", u"Mostrar Listado De Películas Ordenadas Por Duración", Qt::CTRL | Qt::Key_N},
        {"orportipodepeli", u"Mostrar Listado De Películas Ordenadas Por Tipo De Película", Qt::CTRL | Qt::Key_O},
        {"ordenadaporcodecs", u"Mostrar Listado De Películas Ordenadas Por Codec", Qt::CTRL | Qt::Key_P},
        {"fegraytitu", u"Mostrar Listado De Películas Ordenadas Por Director Y Título", Qt::CTRL | Qt::Key_Q},
        {"alfasoloti", u"Mostrar Listado Con Solo Títulos Ordenados Alf. Y Número De Película", Qt::CTRL | Qt::Key_R},
        {"activaborra", u"Activar - Desactivar Botón Borrar Todo", Qt::CTRL | Qt::Key_S},
        {"estadis", u"Mostrar Estadísticas", Qt::CTRL | Qt::Key_T},
        {"sale", u"Salir", Qt::CTRL | Qt::Key_F1},
    }};
    return items;
}

} // namespace catalogue
