#pragma once
// For the conversion tests: a fresh folder with a Jet "Peliculas.mdb" in it,
// and ways to look at what the folder holds afterwards.
#include "CatalogueDatabase.h"
#include "JetFileWriter.h"
#include "TestFolder.h"

#include <QCryptographicHash>
#include <QProcess>

#include <gtest/gtest.h>

namespace catalogue::jet::testing {

// The store's test folder, where a name left out is the catalogue's.
class JetTestFolder : public catalogue::testing::TestFolder {
public:
    explicit JetTestFolder(const QByteArray& catalogue = {})
    {
        if (!catalogue.isEmpty())
            TestFolder::write(kCatalogue, catalogue);
    }
    QString path(const QString& name = kCatalogue) const { return filePath(name); }
    QByteArray read(const QString& name = kCatalogue) const { return TestFolder::read(name); }

private:
    inline static const QString kCatalogue = QStringLiteral("Peliculas.mdb");
};

// The rows of a catalogue of ours, one "|"-joined line a film, as the store reads them.
inline QStringList storedFilms(const QString& path)
{
    auto opened = CatalogueDatabase::open(path);
    if (!opened.catalogue)
        return {QStringLiteral("not a catalogue: ") + opened.message()};
    QStringList lines;
    for (const StoredRow& row : opened.catalogue->loadAll()) {
        QStringList fields;
        for (Field f : allFields)
            fields << row.values.text(f);
        lines << fields.join(u'|');
    }
    return lines;
}

// The same for what mdbtools' own command-line tool reads from a Jet file,
// NULL written as "NULL" (an empty text too: mdb-export does not tell them apart).
// It exists only on Linux: the Linux run checks every generated file against it,
// the Windows run checks only what the conversion reads.
#ifdef _WIN32
#define EXPECT_MDB_EXPORT(path, table, lines) static_cast<void>(0)
#else
#define EXPECT_MDB_EXPORT(path, table, lines) EXPECT_EQ(mdbExport(path, table), lines)
#endif
inline QStringList mdbExport(const QString& path, const QString& table)
{
    QProcess export_;
    export_.start(QStringLiteral("mdb-export"),
                  {QStringLiteral("-H"), QStringLiteral("-Q"), QStringLiteral("-d"), QStringLiteral("|"),
                   QStringLiteral("-0"), QStringLiteral("NULL"), QStringLiteral("-T"),
                   QStringLiteral("%Y-%m-%d %H:%M:%S"), path, table});
    if (!export_.waitForFinished(60000) || export_.exitCode() != 0)
        return {QStringLiteral("mdb-export failed: ") + QString::fromUtf8(export_.readAllStandardError())};
    QStringList lines = QString::fromUtf8(export_.readAllStandardOutput()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// A row given as "|"-joined cells, "NULL" for NULL.
inline JetRowDef row(const QString& cells)
{
    JetRowDef r;
    for (const QString& c : cells.split(u'|'))
        r.cells.push_back(c == QLatin1String("NULL") ? JetCell() : JetCell(c));
    return r;
}

inline QByteArray sha256(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace catalogue::jet::testing
