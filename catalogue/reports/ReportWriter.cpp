#include "ReportWriter.h"

#include "CatalogueError.h"
#include "SyncToDisk.h"
#include "Windows1252.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace catalogue {
namespace {

const QString kDiskFull = QStringLiteral("El Disco Está Lleno");
const QString kCannotWrite = QStringLiteral("No Se Puede Escribir El Informe");
const QString kWriteError = QStringLiteral("Error De Escritura");

// Less room than this left on the disk when a write fails: the disk is full.
constexpr qint64 kRoomForAWrite = 64 * 1024;

// A write that fails part-way, on a disk that had only part of it room left,
// comes back as a plain write error: the disk itself tells that it is full.
bool diskIsFull(const QFileDevice& file)
{
    if (file.error() == QFileDevice::ResourceError)
        return true;
    const QStorageInfo disk(QFileInfo(file.fileName()).absolutePath());
    return disk.isValid() && disk.bytesAvailable() < kRoomForAWrite;
}

QString reason(const QFileDevice& file, bool creating)
{
    if (diskIsFull(file))
        return kDiskFull;
    // A report that cannot be created almost always lies in a folder, or
    // replaces a file, that the user may not write.
    if (creating)
        return QStringLiteral("Compruebe Que Se Puede Escribir En Esta Carpeta Y En El Fichero");
    return kWriteError;
}

} // namespace

ReportWriter::ReportWriter() = default;

// QSaveFile discards what it was not told to commit, its temporary file included.
ReportWriter::~ReportWriter() = default;

// Names the file and its folder, and says that nothing was changed: the
// older report, if any, is still in place.
CatalogueError ReportWriter::failure(const QString& what, const QString& reason) const
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(name_).absolutePath());
    return CatalogueError(QStringLiteral("%1 %2 En La Carpeta %3... %4... No Se Ha Cambiado Ningún Fichero...")
                              .arg(what, QFileInfo(name_).fileName(), folder, reason));
}

void ReportWriter::createReport(const QString& fileName)
{
    name_ = fileName;
    file_ = std::make_unique<QSaveFile>(fileName);
    if (!file_->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        const QString why = reason(*file_, true);
        file_.reset();
        throw failure(QStringLiteral("No Se Puede Crear El Informe"), why);
    }
}

void ReportWriter::writeLine(QStringView text)
{
    if (!file_)
        throw failure(kCannotWrite, kWriteError);
    line_.resize(0); // keeps the buffer of the previous line
    appendWindows1252(text, line_);
    line_.append("\r\n", 2);
    if (file_->write(line_) != line_.size())
        throw failure(kCannotWrite, reason(*file_, false));
}

void ReportWriter::closeReport()
{
    const QString what = QStringLiteral("No Se Puede Terminar El Informe");
    // The report is closed whatever happens here; one that fails is discarded.
    const std::unique_ptr<QSaveFile> file = std::move(file_);
    if (!file)
        throw failure(what, kWriteError);
    // QSaveFile renames its file into place even when the bytes it still held
    // could not be written: everything is flushed, and synced to the disk,
    // before the new report may replace the old one.
    if (!file->flush())
        throw failure(what, reason(*file, false));
    if (const SyncResult synced = syncToDisk(*file); synced != SyncResult::Synced)
        throw failure(what, synced == SyncResult::DiskFull ? kDiskFull : reason(*file, false));
    if (!file->commit())
        throw failure(what, reason(*file, false));
}

} // namespace catalogue
