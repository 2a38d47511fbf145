#pragma once

#include <QStringView>

namespace catalogue {

// One of the nine listings of the "Opciones" menu: what the listing itself
// writes. The order it walks in is the record source of its menu row.
struct ListingDefinition {
    enum class Selection { EveryFilm, MoreThanOneCd };
    enum class Layout { SevenLineBlock, TitleLine };

    QStringView fileName; // in the current folder
    Selection selection;
    Layout layout;
    QStringView totalLabel;  // text before the count in the total line
    QStringView messageTail; // text after the count in the closing message
    bool requeryBeforeFile;  // only the listing of films of more than one CD
};

namespace listings {

// A listing of every film in seven-line blocks, or in title lines.
constexpr ListingDefinition everyFilm(QStringView fileName,
                                      ListingDefinition::Layout layout = ListingDefinition::Layout::SevenLineBlock)
{
    return {fileName, ListingDefinition::Selection::EveryFilm, layout, u"Total Películas ", u" Películas...", false};
}

inline constexpr ListingDefinition kMoreThanOneCd{u"Peliculas_O_Series_De_Mas_De_1CD.TxT",
                                                  ListingDefinition::Selection::MoreThanOneCd,
                                                  ListingDefinition::Layout::SevenLineBlock,
                                                  u"Total Películas De Más De 1CD ",
                                                  u" Películas De Más De 1CD",
                                                  true};
inline constexpr ListingDefinition kByTitle = everyFilm(u"Peliculas_Ordenadas_Por_Titulo.TxT");
inline constexpr ListingDefinition kByNumber = everyFilm(u"Peliculas_Ordenadas_Por_Numero.TxT");
inline constexpr ListingDefinition kByDirector = everyFilm(u"Peliculas_Ordenadas_Por_Director.TxT");
inline constexpr ListingDefinition kByRunningTime = everyFilm(u"Peliculas_Ordenadas_Por_Duracion.TxT");
inline constexpr ListingDefinition kByKindOfCopy = everyFilm(u"Peliculas_Ordenadas_Por_Tipo.TxT");
inline constexpr ListingDefinition kByCodec = everyFilm(u"Peliculas_Ordenadas_Por_Codec.TxT");
// Ordered by director and title; the file's name is older than its order.
inline constexpr ListingDefinition kByDirectorAndTitle = everyFilm(u"Peliculas_Ordenadas_Por_Fecha_Y_Titulo.TxT");
inline constexpr ListingDefinition kTitlesAndNumbers =
    everyFilm(u"Peliculas_Ordenadas_Solo_Titulo_Y_Numero.TxT", ListingDefinition::Layout::TitleLine);

} // namespace listings

} // namespace catalogue
