#include "QtTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace catalogue {

bool installQtSpanishTranslation()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QStringList folders{programFolder.path(), programFolder.filePath(QStringLiteral("translations")),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders)
        if (translator->load(QStringLiteral("qtbase_es"), folder))
            return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

} // namespace catalogue
