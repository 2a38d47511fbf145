#pragma once

#include <QStringView>

#include <span>

namespace catalogue {

// One of the nine listings of the "Opciones" menu.
struct ListingDefinition {
    enum class Selection { EveryFilm, MoreThanOneCd };
    enum class Layout { SevenLineBlock, TitleLine };

    QStringView menuItem;     // name of the menu entry whose click runs it
    QStringView caption;      // the menu entry's caption
    QStringView recordSource; // SQL given to the data control
    QStringView fileName;     // in the current folder
    Selection selection;
    Layout layout;
    QStringView totalLabel;   // text before the count in the total line
    QStringView messageTail;  // text after the count in the closing message
    bool requeryBeforeFile;   // only the listing of films of more than one CD
};

// The nine listings, in the order of the menu.
std::span<const ListingDefinition> listingDefinitions();

// The listing a menu entry runs, or null for any other name.
const ListingDefinition* findListing(QStringView menuItem);

} // namespace catalogue
