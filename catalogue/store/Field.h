#pragma once
// The seven columns of table Pelis, in the order of a MovieRecord and of the
// bound boxes a to g.

#include <QString>

#include <array>
#include <cstddef>
#include <optional>

namespace catalogue {

enum class Field : int { Idzefo, Titulo, Duracion, Tipopeli, Director, Totalcds, Codec };

inline constexpr std::size_t fieldCount = 7;
inline constexpr std::array<Field, fieldCount> allFields{
    Field::Idzefo, Field::Titulo, Field::Duracion, Field::Tipopeli, Field::Director, Field::Totalcds, Field::Codec};

inline constexpr std::size_t indexOf(Field f)
{
    return static_cast<std::size_t>(f);
}

// Column name as queries write it.
QString columnName(Field f);
// Name of the bound text box that shows the field ("a" to "g").
QString boxName(Field f);
// The two columns that hold whole numbers; the others hold text.
constexpr bool isWholeNumber(Field f)
{
    return f == Field::Idzefo || f == Field::Totalcds;
}
// Column names match without regard to case, accented letters included.
std::optional<Field> fieldForColumn(const QString& name);

// One row of Pelis as the window sees it: the texts of the seven fields.
using MovieRecord = std::array<QString, fieldCount>;

} // namespace catalogue
