#include "JetConversion.h"
#include "CatalogueDatabase.h"
#include "ClaimedFile.h"
#include "DurableFiles.h"
#include "JetHeader.h"
#include "JetTableReader.h"
#include "PelisColumns.h"
#include "CatalogueError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace catalogue::jet {

namespace {

using Result = ConversionOutcome::Result;

QByteArray startOf(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

files::Path pathOf(const QString& fileName)
{
    return QFileInfo(fileName).filesystemAbsoluteFilePath();
}

QString formatName(JetFormat format)
{
    return format == JetFormat::Jet3 ? QStringLiteral("Access 97 (Jet 3)") : QStringLiteral("Access 2000-2003 (Jet 4)");
}

QString systemProblem(std::error_code error)
{
    if (error == std::errc::no_space_on_device)
        return QStringLiteral("no queda espacio en el disco");
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
        error == std::errc::read_only_file_system)
        return QStringLiteral("no hay permiso para escribir en la carpeta");
    return QStringLiteral("error %1 del sistema").arg(error.value());
}

class Conversion {
public:
    Conversion(const QString& fileName, const std::function<void(ConversionStep)>& afterStep, const JetReader& reader)
        : info_(fileName), folder_(info_.absolutePath()), afterStep_(afterStep), reader_(reader)
    {}

    ConversionOutcome run()
    {
        if (!info_.isFile())
            return {};
        if (info_.isSymbolicLink())
            linkTarget_ = info_.symLinkTarget();
        const QByteArray start = startOf(info_.filePath());
        header_ = inspectJetHeader(start);
        switch (header_.format) {
        case JetFormat::NotAccess: return {};
        case JetFormat::Ace:
            return refused(QStringLiteral("es una base de datos de Access 2007 o posterior (formato ACE, de los "
                                          "archivos .accdb), que este programa no sabe leer. Guárdala desde Access "
                                          "como base de datos de Access 2000-2003 y vuelve a abrir el programa."));
        case JetFormat::UnknownJet:
            return refused(
                QStringLiteral("es una base de datos de una versión de Access que este programa no conoce."));
        default: break;
        }
        const QString what = formatName(header_.format);
        if (header_.encrypted)
            return refused(QStringLiteral("es una base de datos de %1 cifrada, y este programa no sabe leer bases "
                                          "de datos cifradas. Quítale el cifrado desde Access y vuelve a abrir el "
                                          "programa.")
                               .arg(what));
        if (header_.passwordProtected)
            return refused(QStringLiteral("es una base de datos de %1 protegida con contraseña. Este programa no "
                                          "la convierte, para no dejar los datos sin esa protección: quítale la "
                                          "contraseña desde Access y vuelve a abrir el programa.")
                               .arg(what));
        const qint64 size = info_.size();
        if (size % header_.pageSize != 0 || size < 4 * header_.pageSize)
            return refused(QStringLiteral("es una base de datos de %1, pero está incompleta o dañada: su tamaño no "
                                          "es el de un número entero de páginas.")
                               .arg(what));

        const JetTableRead read = readPelisApart(reader_, info_.filePath());
        PelisColumns columns;
        if (read.status == JetTableRead::Status::ReaderFailed)
            return unread(what, read.problem);
        if (read.status == JetTableRead::Status::Read && !columns.takeAsRead(read))
            return unread(what, QStringLiteral("no se ha podido leer: su lectura ha dado columnas que no son las de la "
                                               "tabla Pelis"));
        if (read.status == JetTableRead::Status::NoSuchTable)
            return refused(QStringLiteral("es una base de datos de %1, pero no tiene la tabla Pelis (%2).")
                               .arg(what, read.tables.isEmpty()
                                              ? QStringLiteral("no tiene ninguna tabla")
                                              : QStringLiteral("sus tablas son: %1").arg(read.tables.join(u", "))));
        if (read.status == JetTableRead::Status::Unreadable)
            return refused(QStringLiteral("es una base de datos de %1, pero está dañada: %2.").arg(what, read.problem));
        if (const QString problem = columns.problem(); !problem.isEmpty())
            return refused(QStringLiteral("es una base de datos de %1, pero %2.").arg(what, problem));
        return write(columns.rows(read));
    }

private:
    QString quotedPlace() const
    {
        return QStringLiteral("\"%1\" de la carpeta \"%2\"").arg(info_.fileName(), QDir::toNativeSeparators(folder_));
    }

    ConversionOutcome refused(const QString& problem) const
    {
        return {Result::Refused,
                QStringLiteral("No se puede abrir el catálogo %1: %2\n\nEl archivo no se ha modificado.")
                    .arg(quotedPlace(), problem)};
    }

    // The reading itself failed: the file is as it was, and nothing else was made.
    ConversionOutcome unread(const QString& what, const QString& problem) const
    {
        return {Result::Refused, QStringLiteral("No se puede abrir el catálogo %1: el archivo es una base de datos de "
                                                "%2, pero %3.\n\nNo se ha cambiado nada.")
                                     .arg(quotedPlace(), what, problem)};
    }

    ConversionOutcome failed(const QString& problem)
    {
        if (!keptAs_.isEmpty())
            QFile::remove(QDir(folder_).filePath(keptAs_));
        files::removeWithJournals(pathOf(temporary()));
        claim_.release();
        return {Result::Refused,
                QStringLiteral("No se ha podido convertir el catálogo %1 al formato de este programa: %2.\n\n"
                               "El archivo no se ha modificado.")
                    .arg(quotedPlace(), problem)};
    }

    QString temporary() const
    {
        return QDir(folder_).filePath(info_.completeBaseName() + QStringLiteral(" (convirtiendo).tmp"));
    }

    QString keptName(int n) const
    {
        const QString suffix = info_.suffix().isEmpty() ? QString() : u'.' + info_.suffix();
        return n == 1 ? QStringLiteral("%1 (Jet original)%2").arg(info_.completeBaseName(), suffix)
                      : QStringLiteral("%1 (Jet original %2)%3").arg(info_.completeBaseName()).arg(n).arg(suffix);
    }

    void step(ConversionStep s) const
    {
        if (afterStep_)
            afterStep_(s);
    }

    ConversionOutcome write(const std::vector<MovieRecord>& rows)
    {
        std::error_code error;
        switch (claim_.claim(temporary(), error)) {
        case ClaimedFile::Result::HeldByAnother:
            return {Result::InUse,
                    QStringLiteral("El catálogo %1 lo está convirtiendo ahora mismo otra copia del programa. "
                                   "Espera a que termine y vuelve a abrir el programa.\n\n"
                                   "El archivo no se ha modificado.")
                        .arg(quotedPlace())};
        case ClaimedFile::Result::Failed:
            return {Result::Refused,
                    QStringLiteral("No se puede convertir el catálogo %1 al formato de este programa: %2.\n\n"
                                   "El archivo no se ha modificado.")
                        .arg(quotedPlace(), systemProblem(error))};
        case ClaimedFile::Result::Claimed: break;
        }
        // Another copy may have converted it between our reading and our claim.
        if (inspectJetHeader(startOf(info_.filePath())).format != header_.format) {
            files::removeWithJournals(pathOf(temporary()));
            return {};
        }
        step(ConversionStep::TemporaryClaimed);

        try {
            auto created = CatalogueDatabase::create(temporary());
            if (!created.catalogue)
                return failed(QStringLiteral("no se puede crear el catálogo nuevo en la carpeta"));
            created.catalogue->insertAllKeepingText(rows);
        } catch (const CatalogueError&) {
            return failed(QStringLiteral("no se ha podido escribir el catálogo nuevo (puede que el disco esté lleno)"));
        }
        // Closed cleanly, the catalogue is whole in its one file.
        if (QFileInfo::exists(temporary() + QStringLiteral("-wal")) ||
            QFileInfo::exists(temporary() + QStringLiteral("-journal")))
            return failed(QStringLiteral("no se ha podido terminar de escribir el catálogo nuevo"));
        step(ConversionStep::CatalogueWritten);
        if ((error = files::syncFile(pathOf(temporary()))) || (error = files::syncFolder(pathOf(folder_))))
            return failed(systemProblem(error));

        for (int n = 1; keptAs_.isEmpty() && n < 1000; ++n) {
            bool taken = false;
            if ((error =
                     files::keepUnder(pathOf(info_.filePath()), pathOf(QDir(folder_).filePath(keptName(n))), taken)))
                return failed(systemProblem(error));
            if (!taken)
                keptAs_ = keptName(n);
        }
        if (keptAs_.isEmpty())
            return failed(QStringLiteral("no queda ningún nombre libre para guardar el archivo original"));
        if ((error = files::syncFolder(pathOf(folder_))))
            return failed(systemProblem(error));
        step(ConversionStep::OriginalKept);

        if ((error = files::replace(pathOf(temporary()), pathOf(info_.filePath()))))
            return failed(systemProblem(error));
        // Whether or not this last flush succeeds, each name holds a whole file.
        files::syncFolder(pathOf(folder_));
        step(ConversionStep::Replaced);
        claim_.release();
        step(ConversionStep::Released);

        const int films = int(rows.size());
        const QString converted =
            QStringLiteral("El catálogo %1 era una base de datos de %2 y se ha convertido al formato de este programa, "
                           "con %3.")
                .arg(quotedPlace(), formatName(header_.format),
                     films == 1 ? QStringLiteral("1 película") : QStringLiteral("%1 películas").arg(films));
        // What took the new name was the link, not the file it leads to.
        const QString kept =
            !linkTarget_.isEmpty()
                ? QStringLiteral("\"%1\" era un enlace al archivo original, \"%2\", que sigue donde estaba sin "
                                 "ningún cambio; el enlace se ha guardado con el nombre \"%3\", en la misma carpeta.")
                      .arg(info_.fileName(), QDir::toNativeSeparators(linkTarget_), keptAs_)
                : QStringLiteral("El archivo original se ha guardado sin ningún cambio, con el nombre \"%1\", en la "
                                 "misma carpeta.")
                      .arg(keptAs_);
        return {Result::Converted, converted + QStringLiteral("\n\n") + kept, films, keptAs_};
    }

    QFileInfo info_;
    QString folder_;
    std::function<void(ConversionStep)> afterStep_;
    JetReader reader_;
    QString linkTarget_; // the file the catalogue's name leads to, when it is a link
    JetHeader header_;
    ClaimedFile claim_;
    QString keptAs_;
};

} // namespace

ConversionOutcome convertJetCatalogue(const QString& fileName, const std::function<void(ConversionStep)>& afterStep,
                                      const JetReader& reader)
{
    return Conversion(fileName, afterStep, reader).run();
}

} // namespace catalogue::jet
