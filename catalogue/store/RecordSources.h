#pragma once
// The record sources the window's data control is given: the browse orders
// of the "Opciones" menu, the orders the listings and the statistics walk in.
// The film-number order is also the order both searches walk in.
#include <QStringView>

namespace catalogue::recordSources {

inline constexpr QStringView kByNumber = u"select * FROM [Pelis] ORDER BY [idzefo] ASC";
inline constexpr QStringView kByTitle = u"select * FROM [Pelis] ORDER BY [titulo] ASC";
inline constexpr QStringView kByRunningTime = u"select * FROM [Pelis] ORDER BY [duración] ASC";
inline constexpr QStringView kByKindOfCopy = u"select * FROM [Pelis] ORDER BY [tipopeli] ASC";
inline constexpr QStringView kByDirector = u"select * FROM [Pelis] ORDER BY [director] ASC";
inline constexpr QStringView kByCodec = u"select * FROM [Pelis] ORDER BY [codec] ASC";
// The only order from more to fewer.
inline constexpr QStringView kByCdsMostFirst = u"select * FROM [Pelis] ORDER BY [totalcds] DESC";
// The two-column orders of two listings.
inline constexpr QStringView kByNumberThenTitle = u"select * FROM [Pelis] ORDER BY [idzefo],[titulo] ASC";
inline constexpr QStringView kByDirectorThenTitle = u"select * FROM [Pelis] ORDER BY [director],[titulo] ASC";

} // namespace catalogue::recordSources
