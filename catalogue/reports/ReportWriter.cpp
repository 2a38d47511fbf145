#include "ReportWriter.h"

#include "SyncToDisk.h"
#include "Windows1252.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

namespace catalogue {
namespace {
const QString kDiskFull = QStringLiteral("El Disco Está Lleno");
} // namespace

ReportWriter::ReportWriter() = default;

ReportWriter::~ReportWriter()
{
    if (m_file)
        m_file->cancelWriting();
}

QString ReportWriter::reason(bool creating) const
{
    const auto* file = qobject_cast<const QFileDevice*>(m_device);
    if (file && file->error() == QFileDevice::ResourceError)
        return kDiskFull;
    // A report that cannot be created almost always lies in a folder, or
    // replaces a file, that the user may not write.
    if (creating)
        return QStringLiteral("Compruebe Que Se Puede Escribir En Esta Carpeta Y En El Fichero");
    return QStringLiteral("Error De Escritura");
}

// Names the file and its folder, and says that nothing was changed: the
// older report, if any, is still in place.
StepFailure ReportWriter::failure(const QString& what, const QString& reason) const
{
    if (m_name.isEmpty())
        return what + QStringLiteral("... ") + reason + QStringLiteral("...");
    const QString folder = QDir::toNativeSeparators(QFileInfo(m_name).absolutePath());
    return QStringLiteral("%1 %2 En La Carpeta %3... %4... No Se Ha Cambiado Ningún Fichero...")
        .arg(what, QFileInfo(m_name).fileName(), folder, reason);
}

StepFailure ReportWriter::createReport(const QString& fileName)
{
    m_name = fileName;
    m_file = std::make_unique<QSaveFile>(fileName);
    m_device = m_file.get();
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return failure(QStringLiteral("No Se Puede Crear El Informe"), reason(true));
    return std::nullopt;
}

StepFailure ReportWriter::createReport(QIODevice& device)
{
    m_name.clear();
    m_file.reset();
    m_device = &device;
    if (!device.isWritable())
        return failure(QStringLiteral("No Se Puede Crear El Informe"), reason(true));
    return std::nullopt;
}

StepFailure ReportWriter::writeLine(QStringView text)
{
    if (!m_device)
        return failure(QStringLiteral("No Se Puede Escribir El Informe"), reason(false));
    m_line.resize(0); // keeps the buffer of the previous line
    appendWindows1252(text, m_line);
    m_line.append("\r\n", 2);
    if (m_device->write(m_line) != m_line.size())
        return failure(QStringLiteral("No Se Puede Escribir El Informe"), reason(false));
    return std::nullopt;
}

StepFailure ReportWriter::closeReport()
{
    const QString what = QStringLiteral("No Se Puede Terminar El Informe");
    if (!m_device)
        return failure(what, reason(false));
    StepFailure result;
    if (m_file) {
        // QSaveFile renames its file into place even when the bytes it still
        // held could not be written: everything is flushed, and synced to the
        // disk, before the new report may replace the old one.
        if (!m_file->flush()) {
            result = failure(what, reason(false));
        } else if (const SyncResult synced = syncToDisk(*m_file); synced != SyncResult::Synced) {
            result = failure(what, synced == SyncResult::DiskFull ? kDiskFull : reason(false));
        } else if (!m_file->commit()) {
            result = failure(what, reason(false));
        }
        if (result)
            m_file->cancelWriting();
    } else if (auto* file = qobject_cast<QFileDevice*>(m_device); file && !file->flush()) {
        result = failure(what, reason(false));
    }
    m_file.reset();
    m_device = nullptr;
    return result;
}

} // namespace catalogue
