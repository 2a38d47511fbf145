#pragma once
// One stored row kept compactly: the seven field texts as UTF-8 in a single
// buffer. A catalogue of 100,000 films stays small, and reading a whole table
// costs one allocation per row.
#include "Field.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace catalogue {

class PackedRow {
public:
    PackedRow() = default;
    explicit PackedRow(const MovieRecord& record);

    std::string_view utf8(Field f) const
    {
        const auto i = indexOf(f);
        return std::string_view(data_).substr(ends_[i], ends_[i + 1] - ends_[i]);
    }
    QString text(Field f) const
    {
        const std::string_view v = utf8(f);
        return QString::fromUtf8(v.data(), qsizetype(v.size()));
    }
    void set(Field f, const QString& text);

    // Builds a row from the seven UTF-8 texts, in field order.
    template <typename Source>
    static PackedRow fromUtf8(Source&& textOf)
    {
        PackedRow row;
        for (Field f : allFields) {
            row.data_.append(textOf(f));
            row.ends_[indexOf(f) + 1] = std::uint32_t(row.data_.size());
        }
        return row;
    }

private:
    std::string data_;
    std::array<std::uint32_t, fieldCount + 1> ends_{};
};

} // namespace catalogue
