#pragma once

#include "DurableFiles.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>

namespace catalogue {

class CatalogueError;

// Writes one report, line by line: Windows-1252 text, CR LF after every line
// (the last included), no byte-order mark. Only the line being written is
// held, beside the file's own buffering.
//
// The report is a durable new file (DurableFiles.h): written beside the old
// one, flushed to the disk, and only then put in its place, the folder synced
// after it; so a report that cannot be written (a full disk, a folder where
// no file can be made) leaves the older file as it was and no stray file
// behind. A report is never written in place nor appended to. Every step that
// fails throws CatalogueError, naming the file and its folder.
class ReportWriter {
public:
    ReportWriter();
    ~ReportWriter(); // an unclosed report is abandoned, never committed
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    void createReport(const QString& fileName);
    void writeLine(QStringView text);
    void closeReport();

private:
    CatalogueError failure(const QString& what, std::error_code error, bool creating = false) const;

    std::unique_ptr<durable::NewFile> file_;
    QString name_;
    QByteArray line_;
};

} // namespace catalogue
