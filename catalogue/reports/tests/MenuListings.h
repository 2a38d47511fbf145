#pragma once
// The nine listings as the "Opciones" menu runs them, written out by hand for
// the tests: the menu item, the listing and the order it walks in.
#include "ListingDefinition.h"
#include "RecordSources.h"

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
    {u"listadotitu", &listings::kByTitle, recordSources::kByTitle},
    {u"porelnumero", &listings::kByNumber, recordSources::kByNumber},
    {u"listadodirector", &listings::kByDirector, recordSources::kByDirector},
    {u"ordelistpordura", &listings::kByRunningTime, recordSources::kByRunningTime},
    {u"orportipodepeli", &listings::kByKindOfCopy, recordSources::kByKindOfCopy},
    {u"ordenadaporcodecs", &listings::kByCodec, recordSources::kByCodec},
    {u"fegraytitu", &listings::kByDirectorAndTitle, recordSources::kByDirectorThenTitle},
    {u"alfasoloti", &listings::kTitlesAndNumbers, recordSources::kByTitle},
    {u"pelismas1cd", &listings::kMoreThanOneCd, recordSources::kByNumberThenTitle},
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
