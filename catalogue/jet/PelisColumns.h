#pragma once
// Which columns of a Jet table Pelis feed the seven fields, and how their
// values become the texts our store keeps.

#include "Field.h"
#include "JetTableReader.h"

#include <array>
#include <optional>
#include <vector>

namespace catalogue::jet {

class PelisColumns {
public:
    // Given every column of the table in order: true for those of the seven
    // fields (names matched without regard to case, accents included).
    bool take(const JetColumn& column);
    // Takes the columns of a table read elsewhere with take(): false unless
    // the columns read are the very ones take() chooses.
    bool takeAsRead(const JetTableRead& read);
    // What keeps the values from being converted, in Spanish; empty if nothing.
    QString problem() const;
    // The rows as the store takes them; a field without a column is empty.
    std::vector<MovieRecord> rows(const JetTableRead& read) const;

private:
    struct Source {
        JetColumn column;
        std::size_t readIndex;
    };
    std::array<std::optional<Source>, fieldCount> sources_;
    std::size_t taken_ = 0;
};

// One value: whole numbers in plain decimal form, whatever the column type,
// as the store keeps a number the user types (a text that is no whole number
// stays as it is); a time of day stored as a date comes as "hh:mm:ss".
QString fieldText(Field field, JetKind kind, const QString& value);

} // namespace catalogue::jet
