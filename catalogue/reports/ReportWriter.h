#pragma once

#include "StepFailure.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>

class QIODevice;
class QSaveFile;

namespace catalogue {

// Writes one report, line by line: Windows-1252 text, CR LF after every line
// (the last included), no byte-order mark. Only the line being written is
// held, beside the device's own buffering.
//
// Given a file name, the report goes through a QSaveFile: the new report is
// written beside the old one, flushed to the disk, and only then takes its
// place, so a report that cannot be written (a full disk, a folder where no
// file can be made) leaves the older file as it was and no stray file behind.
// A report is never written in place nor appended to.
class ReportWriter {
public:
    ReportWriter();
    ~ReportWriter(); // an unclosed report is abandoned, never committed
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    StepFailure createReport(const QString& fileName);
    // Writes into a device that the caller owns and has opened for writing.
    StepFailure createReport(QIODevice& device);

    StepFailure writeLine(QStringView text);
    StepFailure closeReport();

private:
    StepFailure failure(const QString& what, const QString& reason) const;
    QString reason(bool creating) const;

    std::unique_ptr<QSaveFile> m_file;
    QIODevice* m_device = nullptr;
    QString m_name;
    QByteArray m_line;
};

} // namespace catalogue
