#include "OpcionesMenu.h"
#include "EditingCommands.h"
#include "FilmSearch.h"
#include "Form1.h"
#include "ListingDefinition.h"
#include "OrderBy.h"
#include "RecordSources.h"
#include "ReportCommands.h"

namespace catalogue {

std::vector<OpcionesCommand> opcionesMenu(ReportOpener& reports)
{
    using namespace recordSources;
    const auto listing = [&reports](const ListingDefinition& listing) {
        return [&reports, &listing](Form1& form1, QStringView recordSource) {
            writeListing(form1, listing, recordSource, reports);
        };
    };
    const auto statistics = [&reports](Form1& form1, QStringView) { estadis_Click(form1, reports); };
    const auto armClearAll = [](Form1& form1, QStringView) { activaborra_Click(form1); };
    return {
        {"buscapelijeje", u"Buscar Película", Qt::CTRL | Qt::Key_A, kByNumber, buscapelijeje_Click},
        {"buscadirector", u"Buscar Director", Qt::CTRL | Qt::Key_B, kByNumber, buscadirector_Click},
        {"pornumero", u"Ordenar Por Número De Película", Qt::CTRL | Qt::Key_C, kByNumber, orderBy},
        // The item's name is older than its caption.
        {"ordefecha", u"Ordenar Por Tipo De Codec Utilizado", Qt::CTRL | Qt::Key_D, kByCodec, orderBy},
        {"orddura", u"Ordenar Por Duración De Película", Qt::CTRL | Qt::Key_E, kByRunningTime, orderBy},
        {"ordtitu", u"Ordenar Por Título De Película", Qt::CTRL | Qt::Key_F, kByTitle, orderBy},
        {"pordirector", u"Ordenar Por Director De Película", Qt::CTRL | Qt::Key_G, kByDirector, orderBy},
        {"oredipopeli", u"Ordenar Por Tipo De La Película", Qt::CTRL | Qt::Key_H, kByKindOfCopy, orderBy},
        {"ordecantc", u"Ordenar Por Cantidad De Cd's + A -", Qt::CTRL | Qt::Key_I, kByCdsMostFirst, orderBy},
        {"pelismas1cd", u"Mostrar Películas De Más De Un Cd", Qt::CTRL | Qt::Key_J, kByNumberThenTitle,
         listing(listings::kMoreThanOneCd)},
        {"listadotitu", u"Mostrar Listado De Películas Ordenadas Por Título", Qt::CTRL | Qt::Key_K, kByTitle,
         listing(listings::kByTitle)},
        {"porelnumero", u"Mostrar Listado De Películas Ordenadas Por Número", Qt::CTRL | Qt::Key_L, kByNumber,
         listing(listings::kByNumber)},
        {"listadodirector", u"Mostrar Listado De Películas Ordenadas Por Director", Qt::CTRL | Qt::Key_M, kByDirector,
         listing(listings::kByDirector)},
        {"ordelistpordura", u"Mostrar Listado De Películas Ordenadas Por Duración", Qt::CTRL | Qt::Key_N,
         kByRunningTime, listing(listings::kByRunningTime)},
        {"orportipodepeli", u"Mostrar Listado De Películas Ordenadas Por Tipo De Película", Qt::CTRL | Qt::Key_O,
         kByKindOfCopy, listing(listings::kByKindOfCopy)},
        {"ordenadaporcodecs", u"Mostrar Listado De Películas Ordenadas Por Codec", Qt::CTRL | Qt::Key_P, kByCodec,
         listing(listings::kByCodec)},
        {"fegraytitu", u"Mostrar Listado De Películas Ordenadas Por Director Y Título", Qt::CTRL | Qt::Key_Q,
         kByDirectorThenTitle, listing(listings::kByDirectorAndTitle)},
        {"alfasoloti", u"Mostrar Listado Con Solo Títulos Ordenados Alf. Y Número De Película", Qt::CTRL | Qt::Key_R,
         kByTitle, listing(listings::kTitlesAndNumbers)},
        {"activaborra", u"Activar - Desactivar Botón Borrar Todo", Qt::CTRL | Qt::Key_S, {}, armClearAll},
        // The statistics set their own two orders, by running time and then by CDs.
        {"estadis", u"Mostrar Estadísticas", Qt::CTRL | Qt::Key_T, {}, statistics},
        {"sale", u"Salir", Qt::CTRL | Qt::Key_F1, {}, &Form1::sale_Click},
    };
}

} // namespace catalogue
