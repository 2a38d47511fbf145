#include "ListingDefinition.h"

#include <array>

namespace catalogue {
namespace {

using Selection = ListingDefinition::Selection;
using Layout = ListingDefinition::Layout;

constexpr QStringView kTotalFilms = u"Total Películas ";
constexpr QStringView kFilmsTail = u" Películas...";

constexpr ListingDefinition everyFilm(QStringView menuItem, QStringView caption,
                                      QStringView recordSource, QStringView fileName,
                                      Layout layout = Layout::SevenLineBlock)
{
    return {menuItem, caption, recordSource, fileName, Selection::EveryFilm, layout,
            kTotalFilms, kFilmsTail, false};
}

constexpr std::array kListings = {
    everyFilm(u"listadotitu", u"Mostrar Listado De Películas Ordenadas Por Título",
              u"select * FROM [Pelis] ORDER BY [titulo] ASC",
              u"Peliculas_Ordenadas_Por_Titulo.TxT"),
    everyFilm(u"porelnumero", u"Mostrar Listado De Películas Ordenadas Por Número",
              u"select * FROM [Pelis] ORDER BY [idzefo] ASC",
              u"Peliculas_Ordenadas_Por_Numero.TxT"),
    everyFilm(u"listadodirector", u"Mostrar Listado De Películas Ordenadas Por Director",
              u"select * FROM [Pelis] ORDER BY [director] ASC",
              u"Peliculas_Ordenadas_Por_Director.TxT"),
    everyFilm(u"ordelistpordura", u"Mostrar Listado De Películas Ordenadas Por Duración",
              u"select * FROM [Pelis] ORDER BY [duración] ASC",
              u"Peliculas_Ordenadas_Por_Duracion.TxT"),
    everyFilm(u"orportipodepeli", u"Mostrar Listado De Películas Ordenadas Por Tipo De Película",
              u"select * FROM [Pelis] ORDER BY [tipopeli] ASC",
              u"Peliculas_Ordenadas_Por_Tipo.TxT"),
    everyFilm(u"ordenadaporcodecs", u"Mostrar Listado De Películas Ordenadas Por Codec",
              u"select * FROM [Pelis] ORDER BY [codec] ASC",
              u"Peliculas_Ordenadas_Por_Codec.TxT"),
    everyFilm(u"fegraytitu", u"Mostrar Listado De Películas Ordenadas Por Director Y Título",
              u"select * FROM [Pelis] ORDER BY [director],[titulo] ASC",
              u"Peliculas_Ordenadas_Por_Fecha_Y_Titulo.TxT"),
    everyFilm(u"alfasoloti",
              u"Mostrar Listado Con Solo Títulos Ordenados Alf. Y Número De Película",
              u"select * FROM [Pelis] ORDER BY [titulo] ASC",
              u"Peliculas_Ordenadas_Solo_Titulo_Y_Numero.TxT", Layout::TitleLine),
    ListingDefinition{u"pelismas1cd", u"Mostrar Películas De Más De Un Cd",
                      u"select * FROM [Pelis] ORDER BY [idzefo],[titulo] ASC",
                      u"Peliculas_O_Series_De_Mas_De_1CD.TxT", Selection::MoreThanOneCd,
                      Layout::SevenLineBlock, u"Total Películas De Más De 1CD ",
                      u" Películas De Más De 1CD", true},
};

} // namespace

std::span<const ListingDefinition> listingDefinitions()
{
    return kListings;
}

const ListingDefinition* findListing(QStringView menuItem)
{
    for (const ListingDefinition& listing : kListings) {
        if (listing.menuItem == menuItem)
            return &listing;
    }
    return nullptr;
}

} // namespace catalogue
