#include "ReportTestSupport.h"

#include "JoinedText.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>


namespace catalogue::testing {

void RecordingDialogs::showMessage(QStringView text, QStringView title)
{
    m_events << joinedText(u"message ", title, u"|", text);
}

StepFailure RecordingOpener::openReport(const QString& fileName)
{
    m_events << QStringLiteral("open %1 (%2 bytes)").arg(fileName).arg(QFile(fileName).size());
    return std::nullopt;
}

ScopedWorkingFolder::ScopedWorkingFolder() : m_previous(QDir::currentPath())
{
    if (!m_folder.isValid() || !QDir::setCurrent(m_folder.path()))
        ADD_FAILURE() << "cannot work in a temporary folder";
}

ScopedWorkingFolder::~ScopedWorkingFolder()
{
    QDir::setCurrent(m_previous);
    QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList ScopedWorkingFolder::fileNames() const
{
    return QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void ScopedWorkingFolder::makeReadOnly(bool filesToo) const
{
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    for (const QString& name : filesToo ? fileNames() : QStringList())
        QFile::setPermissions(QDir(m_folder.path()).filePath(name), readOnly);
    QFile::setPermissions(m_folder.path(),
                          readOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
}

QString ScopedWorkingFolder::cannotCreateMessage(const QString& fileName) const
{
    return QStringLiteral("No Se Puede Crear El Informe %1 En La Carpeta %2... Compruebe Que Se Puede Escribir En "
                          "Esta Carpeta Y En El Fichero... No Se Ha Cambiado Ningún Fichero...")
        .arg(fileName, QDir::toNativeSeparators(m_folder.path()));
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

QByteArray expectedReport(const QString& name)
{
    return readBytes(QStringLiteral(CINTARIO_REPORTS_TESTDATA "/") + name);
}

} // namespace catalogue::testing
