#pragma once
// The window's data control: it owns the open catalogue, its record source
// (the browse order) and the current record set.

#include "CatalogueDatabase.h"
#include "RecordSet.h"

#include <QString>

#include <memory>

namespace catalogue {

class DataControl {
public:
    static inline const QString defaultDatabaseName = QStringLiteral("Peliculas.mdb");
    static inline const QString tableName = QStringLiteral("Pelis");

    // Opens the catalogue and reads the bare table, in the order of addition.
    static Opening<DataControl> open(const QString& databaseName = defaultDatabaseName);

    // Takes effect at the next Refresh.
    void setRecordSource(const QString& source) { recordSource_ = source; }
    const QString& RecordSource() const { return recordSource_; }
    // Rebuilds the record set from the record source; its first row becomes current.
    void Refresh();
    RecordSet& Recordset() { return recordSet_; }
    const RecordSet& Recordset() const { return recordSet_; }
    const QString& databaseName() const { return database_->fileName(); }
    [[nodiscard]] CatalogueDatabase::BulkWrites bulkWrites() { return CatalogueDatabase::BulkWrites(*database_); }

private:
    explicit DataControl(std::unique_ptr<CatalogueDatabase> database);

    std::unique_ptr<CatalogueDatabase> database_;
    RecordSet recordSet_;
    QString recordSource_ = tableName;
};

} // namespace catalogue
