#pragma once
// Reading one table of a Jet database: the only seam between the conversion
// and the library that reads Jet files (mdbtools, in MdbToolsReader.cpp).

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace catalogue::jet {

// What a column holds, as far as converting its values goes.
enum class JetKind { WholeNumber, Number, Text, DateTime, Other };

struct JetColumn {
    QString name;
    JetKind kind = JetKind::Other;
    QString typeName; // the type as Access calls it, for messages
};

struct JetTableRead {
    enum class Status {
        Read,
        NoSuchTable,
        Unreadable,   // the file says what is wrong with it
        ReaderFailed, // the reading itself crashed or hung (JetReaderProcess.h)
    };
    Status status = Status::Unreadable;
    QString problem;                // Unreadable, ReaderFailed: what is wrong, in Spanish
    QStringList tables;             // NoSuchTable: the tables the file does have
    std::vector<JetColumn> columns; // every column of the table
    std::vector<int> read;          // the columns whose values were read
    std::vector<QString> values;    // row by row, one text a column read; NULL is empty
    std::size_t rowCount = 0;

    const QString& value(std::size_t row, std::size_t readColumn) const
    {
        return values[row * read.size() + readColumn];
    }
};

// Reads every live row of the table (its name matched without regard to
// case) in the file's own order: page by page, row by row, as Jet scans a
// table. Only the columns `wanted` accepts are read. Numbers come as plain
// decimal text, dates as "yyyy-mm-dd hh:mm:ss". A table that gives fewer rows
// than its definition counts is Unreadable.
JetTableRead readJetTable(const QString& fileName, const QString& tableName,
                          const std::function<bool(const JetColumn&)>& wanted);

} // namespace catalogue::jet
