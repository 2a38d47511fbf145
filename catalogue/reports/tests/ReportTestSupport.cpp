#include "ReportTestSupport.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace catalogue::testing {

void logMessages(ScriptedDialogs& dialogs, QStringList& events)
{
    dialogs.onMessage = [&events](const QString& text) { events << QStringLiteral("message ") + text; };
}

void RecordingOpener::openReport(const QString& fileName)
{
    events_ << QStringLiteral("open %1 (%2 bytes)").arg(fileName).arg(QFile(fileName).size());
}

ScopedWorkingFolder::ScopedWorkingFolder() : previous_(QDir::currentPath())
{
    if (!folder_.isValid() || !QDir::setCurrent(folder_.path()))
        throw std::runtime_error("cannot work in a temporary folder");
}

ScopedWorkingFolder::~ScopedWorkingFolder()
{
    QDir::setCurrent(previous_);
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList ScopedWorkingFolder::fileNames() const
{
    return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void ScopedWorkingFolder::makeReadOnly(bool filesToo) const
{
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    for (const QString& name : filesToo ? fileNames() : QStringList())
        QFile::setPermissions(QDir(folder_.path()).filePath(name), readOnly);
    QFile::setPermissions(folder_.path(), readOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
}

QString ScopedWorkingFolder::cannotCreateMessage(const QString& fileName) const
{
    return QStringLiteral("No Se Puede Crear El Informe %1 En La Carpeta %2... Comprueba Que Se Puede Escribir En "
                          "Esta Carpeta Y En El Fichero... No Se Ha Cambiado Ningún Fichero...")
        .arg(fileName, QDir::toNativeSeparators(folder_.path()));
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray expectedReport(const QString& name)
{
    return readBytes(QStringLiteral(CINTARIO_REPORTS_TESTDATA "/") + name);
}

} // namespace catalogue::testing
