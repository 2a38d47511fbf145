#pragma once
// The nine listings as the "Opciones" menu runs them, written out by hand for
// the tests: the menu item, the listing and the order it walks in.
#include "ListingDefinition.h"

#include <QStringView>

#include <ostream>
#include <stdexcept>

namespace catalogue::testing {

struct MenuListing {
    QStringView menuItem;
    const ListingDefinition* listing;
    QStringView recordSource;
};

inline const MenuListing kMenuListings[] = {
    {u"listadotitu", &listings::kByTitle, u"select * FROM [Pelis] ORDER BY [titulo] ASC"},
    {u"porelnumero", &listings::kByNumber, u"select * FROM [Pelis] ORDER BY [idzefo] ASC"},
    {u"listadodirector", &listings::kByDirector, u"select * FROM [Pelis] ORDER BY [director] ASC"},
    {u"ordelistpordura", &listings::kByRunningTime, u"select * FROM [Pelis] ORDER BY [duración] ASC"},
    {u"orportipodepeli", &listings::kByKindOfCopy, u"select * FROM [Pelis] ORDER BY [tipopeli] ASC"},
    {u"ordenadaporcodecs", &listings::kByCodec, u"select * FROM [Pelis] ORDER BY [codec] ASC"},
    {u"fegraytitu", &listings::kByDirectorAndTitle, u"select * FROM [Pelis] ORDER BY [director],[titulo] ASC"},
    {u"alfasoloti", &listings::kTitlesAndNumbers, u"select * FROM [Pelis] ORDER BY [titulo] ASC"},
    {u"pelismas1cd", &listings::kMoreThanOneCd, u"select * FROM [Pelis] ORDER BY [idzefo],[titulo] ASC"},
};

// The listing of a menu item.
inline const MenuListing& menuListing(QStringView menuItem)
{
    for (const MenuListing& each : kMenuListings)
        if (each.menuItem == menuItem)
            return each;
    throw std::invalid_argument("no listing for this menu item");
}

// Names a listing by its menu item in test names and failures.
inline void PrintTo(const MenuListing& listing, std::ostream* out)
{
    *out << listing.menuItem.toString().toStdString();
}

} // namespace catalogue::testing
