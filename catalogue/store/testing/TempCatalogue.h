#pragma once
// For tests: a catalogue file in a fresh temporary folder, filled with the given films.
#include "CatalogueDatabase.h"
#include "DataControl.h"
#include "FilmBuilder.h"
#include "TestFolder.h"

#include <stdexcept>

#include <memory>
#include <vector>

namespace catalogue::testing {

class TempCatalogue {
public:
    // In a fresh temporary folder, or in the folder given.
    explicit TempCatalogue(const std::vector<MovieRecord>& films = {}, const QString& folder = {})
        : folder_(folder.isEmpty() ? dir_.path() : folder)
    {
        auto opened = CatalogueDatabase::open(path());
        if (!opened.catalogue)
            throw std::runtime_error(opened.message().toStdString());
        opened.catalogue->insertAll(films);
    }
    QString path() const { return folder_ + QStringLiteral("/Peliculas.mdb"); }
    QString folder() const { return folder_; }
    // The temporary folder, when the catalogue is in one of its own.
    const TestFolder& testFolder() const { return dir_; }
    std::unique_ptr<DataControl> open() const
    {
        auto opened = DataControl::open(path());
        if (!opened.catalogue)
            throw std::runtime_error(opened.message().toStdString());
        return std::move(opened.catalogue);
    }

private:
    TestFolder dir_;
    QString folder_;
};

inline QStringList walk(RecordSet& rs, Field field)
{
    QStringList seen;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        seen << rs.text(field);
    return seen;
}

} // namespace catalogue::testing
