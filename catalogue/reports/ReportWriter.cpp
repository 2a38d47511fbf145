#include "ReportWriter.h"

#include "CatalogueError.h"
#include "StoreMessages.h"
#include "Windows1252.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace catalogue {
namespace {

const QString kCannotWrite = QStringLiteral("No Se Puede Escribir El Informe");

// Less room than this left on the disk when a write fails: the disk is full.
constexpr qint64 kRoomForAWrite = 64 * 1024;

// A write that fails part-way, on a disk that had only part of it room left,
// may come back as another error: the disk itself tells that it is full.
bool diskIsFull(std::error_code error, const QString& fileName)
{
    if (error == std::errc::no_space_on_device)
        return true;
    const QStorageInfo disk(QFileInfo(fileName).absolutePath());
    return disk.isValid() && disk.bytesAvailable() < kRoomForAWrite;
}

} // namespace

ReportWriter::ReportWriter() = default;

// A report that was not committed is abandoned: its temporary file goes.
ReportWriter::~ReportWriter() = default;

// Names the file and its folder, and says that nothing was changed: the
// older report, if any, is still in place.
CatalogueError ReportWriter::failure(const QString& what, std::error_code error, bool creating) const
{
    QString reason = QStringLiteral("Error De Escritura");
    if (diskIsFull(error, name_))
        reason = QStringLiteral("El Disco Está Lleno");
    // A report that cannot be created almost always lies in a folder, or
    // replaces a file, that the user may not write.
    else if (creating)
        reason = QStringLiteral("Comprueba Que Se Puede Escribir En Esta Carpeta Y En El Fichero");
    return CatalogueError(QStringLiteral("%1 %2 En La Carpeta %3... %4... No Se Ha Cambiado Ningún Fichero...")
                              .arg(what, QFileInfo(name_).fileName(), shownFolder(name_), reason));
}

void ReportWriter::createReport(const QString& fileName)
{
    name_ = fileName;
    file_ = std::make_unique<durable::NewFile>();
    if (const std::error_code error = file_->create(durable::pathOf(fileName))) {
        file_.reset();
        throw failure(QStringLiteral("No Se Puede Crear El Informe"), error, true);
    }
}

void ReportWriter::writeLine(QStringView text)
{
    if (!file_)
        throw failure(kCannotWrite, std::make_error_code(std::errc::bad_file_descriptor));
    line_.resize(0); // keeps the buffer of the previous line
    appendWindows1252(text, line_);
    line_.append("\r\n", 2);
    if (const std::error_code error = file_->write(line_.constData(), std::size_t(line_.size())))
        throw failure(kCannotWrite, error);
}

void ReportWriter::closeReport()
{
    const QString what = QStringLiteral("No Se Puede Terminar El Informe");
    // The report is closed whatever happens here; one that fails is discarded.
    const std::unique_ptr<durable::NewFile> file = std::move(file_);
    if (!file)
        throw failure(what, std::make_error_code(std::errc::bad_file_descriptor));
    if (const std::error_code error = file->commit())
        throw failure(what, error);
}

} // namespace catalogue
