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
    if (!QDir::setCurrent(path()))
        throw std::runtime_error("cannot work in a temporary folder");
}

ScopedWorkingFolder::~ScopedWorkingFolder()
{
    QDir::setCurrent(previous_);
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void ScopedWorkingFolder::makeReadOnly(bool filesToo) const
{
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    for (const QString& name : filesToo ? files() : QStringList())
        QFile::setPermissions(filePath(name), readOnly);
    QFile::setPermissions(path(), readOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
}

QString ScopedWorkingFolder::cannotCreateMessage(const QString& fileName) const
{
    return QStringLiteral("No Se Puede Crear El Informe %1 En La Carpeta %2... Comprueba Que Se Puede Escribir En "
                          "Esta Carpeta Y En El Fichero... No Se Ha Cambiado Ningún Fichero...")
        .arg(fileName, shownPath());
}

QByteArray expectedReport(const QString& name)
{
    const QByteArray expected = readBytes(QStringLiteral(CINTARIO_REPORTS_TESTDATA "/") + name);
    if (expected.isEmpty())
        throw std::runtime_error("no expected report " + name.toStdString());
    return expected;
}

} // namespace catalogue::testing
