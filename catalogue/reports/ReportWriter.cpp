#include "ReportWriter.h"

#include "Windows1252.h"

#include <QFileDevice>
#include <QSaveFile>

namespace catalogue {
namespace {

QString reasonInSpanish(const QIODevice* device, bool creating)
{
    const auto* file = qobject_cast<const QFileDevice*>(device);
    if (file && file->error() == QFileDevice::ResourceError)
        return QStringLiteral("El Disco Está Lleno");
    // A report that cannot be created almost always lies in a folder, or
    // replaces a file, that the user may not write.
    if (creating)
        return QStringLiteral("Compruebe Que Se Puede Escribir En Esta Carpeta Y En El Fichero");
    return QStringLiteral("Error De Escritura");
}

} // namespace

ReportWriter::ReportWriter() = default;

ReportWriter::~ReportWriter()
{
    if (m_file)
        m_file->cancelWriting();
}

StepFailure ReportWriter::failure(const QString& what, bool creating) const
{
    QString text = what;
    if (!m_name.isEmpty())
        text += QStringLiteral(" ") + m_name;
    return text + QStringLiteral("... ") + reasonInSpanish(m_device, creating) + QStringLiteral("...");
}

StepFailure ReportWriter::createReport(const QString& fileName)
{
    m_name = fileName;
    m_file = std::make_unique<QSaveFile>(fileName);
    m_file->setDirectWriteFallback(true);
    m_device = m_file.get();
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return failure(QStringLiteral("No Se Puede Crear El Informe"), true);
    return std::nullopt;
}

StepFailure ReportWriter::createReport(QIODevice& device)
{
    m_name.clear();
    m_file.reset();
    m_device = &device;
    if (!device.isWritable())
        return failure(QStringLiteral("No Se Puede Crear El Informe"), true);
    return std::nullopt;
}

StepFailure ReportWriter::writeLine(QStringView text)
{
    if (!m_device)
        return failure(QStringLiteral("No Se Puede Escribir El Informe"), false);
    m_line.resize(0); // keeps the buffer of the previous line
    appendWindows1252(text, m_line);
    m_line.append("\r\n", 2);
    if (m_device->write(m_line) != m_line.size())
        return failure(QStringLiteral("No Se Puede Escribir El Informe"), false);
    return std::nullopt;
}

StepFailure ReportWriter::closeReport()
{
    if (!m_device)
        return failure(QStringLiteral("No Se Puede Terminar El Informe"), false);
    bool written = true;
    if (m_file) {
        written = m_file->commit();
    } else if (auto* file = qobject_cast<QFileDevice*>(m_device)) {
        written = file->flush();
    }
    StepFailure result;
    if (!written)
        result = failure(QStringLiteral("No Se Puede Terminar El Informe"), false);
    m_file.reset();
    m_device = nullptr;
    return result;
}

} // namespace catalogue
