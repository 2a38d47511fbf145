#include "JetConversion.h"
#include "CatalogueDatabase.h"
#include "CatalogueError.h"
#include "ClaimedFile.h"
#include "DurableFiles.h"
#include "JetHeader.h"
#include "JetTableReader.h"
#include "PelisColumns.h"
#include "StoreMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace catalogue::jet {

namespace {

using Outcome = Opening<ConvertedCatalogue>;
using durable::pathOf;

QByteArray startOf(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

QString formatName(JetFormat format)
{
    return format == JetFormat::Jet3 ? QStringLiteral("Access 97 (Jet 3)") : QStringLiteral("Access 2000-2003 (Jet 4)");
}

class Conversion {
public:
    Conversion(const QString& fileName, const std::function<void(ConversionStep)>& afterStep, const JetReader& reader)
        : info_(fileName), folder_(info_.absolutePath()), afterStep_(afterStep), reader_(reader)
    {}

    Outcome run()
    {
        if (!info_.isFile())
            return notJet();
        if (info_.isSymbolicLink())
            linkTarget_ = info_.symLinkTarget();
        const QByteArray start = startOf(info_.filePath());
        header_ = inspectJetHeader(start);
        switch (header_.format) {
        case JetFormat::NotAccess: return notJet();
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
    static Outcome notJet() { return {OpeningResult::Opened}; }

    QString quotedPlace() const { return fileAndFolder(info_.filePath()); }

    Outcome refused(const QString& problem) const
    {
        return Outcome::refused(
            QStringLiteral("No se puede abrir el catálogo %1: %2\n\nEl archivo no se ha modificado.")
                .arg(quotedPlace(), problem),
            problem);
    }

    // The reading itself failed: the file is as it was, and nothing else was made.
    Outcome unread(const QString& what, const QString& problem) const
    {
        return Outcome::refused(QStringLiteral("No se puede abrir el catálogo %1: el archivo es una base de datos de "
                                               "%2, pero %3.\n\nNo se ha cambiado nada.")
                                    .arg(quotedPlace(), what, problem),
                                problem);
    }

    Outcome failed(const QString& problem)
    {
        if (!keptAs_.isEmpty())
            durable::removeFile(pathOf(QDir(folder_).filePath(keptAs_)));
        durable::removeWithSideFiles(pathOf(temporary()));
        claim_.release();
        return Outcome::refused(
            QStringLiteral("No se ha podido convertir el catálogo %1 al formato de este programa: %2.\n\n"
                           "El archivo no se ha modificado.")
                .arg(quotedPlace(), problem),
            problem);
    }

    // What the store said when the new catalogue could not be written.
    static QString writingProblem(const CatalogueError& error)
    {
        return error.code() != 0 ? sqliteProblem(error.code())
                                 : QStringLiteral("no se ha podido escribir el catálogo nuevo");
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

    Outcome write(const std::vector<MovieRecord>& rows)
    {
        const std::error_code claimed = claim_.claim(temporary());
        if (claimed == std::errc::device_or_resource_busy)
            return Outcome::heldElsewhere(
                QStringLiteral("El catálogo %1 lo está convirtiendo ahora mismo otra copia del programa. "
                               "Espera a que termine y vuelve a abrir el programa.\n\n"
                               "El archivo no se ha modificado.")
                    .arg(quotedPlace()));
        if (claimed)
            return Outcome::refused(QStringLiteral("No se puede convertir el catálogo %1 al formato de este programa: "
                                                   "%2.\n\nEl archivo no se ha modificado.")
                                        .arg(quotedPlace(), fileProblem(claimed)),
                                    fileProblem(claimed));
        // Another copy may have converted it between our reading and our claim.
        if (inspectJetHeader(startOf(info_.filePath())).format != header_.format) {
            durable::removeWithSideFiles(pathOf(temporary()));
            return notJet();
        }
        step(ConversionStep::TemporaryClaimed);

        try {
            auto created = CatalogueDatabase::create(temporary());
            if (!created.catalogue)
                return failed(created.problem.isEmpty() ? created.message() : created.problem);
            created.catalogue->insertAllKeepingText(rows);
        } catch (const CatalogueError& e) {
            return failed(writingProblem(e));
        }
        // Closed cleanly, the catalogue is whole in its one file.
        for (durable::SideFile side : durable::kSideFiles)
            if (QFileInfo::exists(durable::sideFileOf(temporary(), side)))
                return failed(QStringLiteral("no se ha podido terminar de escribir el catálogo nuevo"));
        step(ConversionStep::CatalogueWritten);
        std::error_code error;
        if ((error = durable::syncFile(pathOf(temporary()))) || (error = durable::syncFolder(pathOf(folder_))))
            return failed(fileProblem(error));

        for (int n = 1; keptAs_.isEmpty() && n < 1000; ++n) {
            bool taken = false;
            if ((error =
                     durable::keepUnder(pathOf(info_.filePath()), pathOf(QDir(folder_).filePath(keptName(n))), taken)))
                return failed(fileProblem(error));
            if (!taken)
                keptAs_ = keptName(n);
        }
        if (keptAs_.isEmpty())
            return failed(QStringLiteral("no queda ningún nombre libre para guardar el archivo original"));
        if ((error = durable::syncFolder(pathOf(folder_))))
            return failed(fileProblem(error));
        step(ConversionStep::OriginalKept);

        if ((error = durable::replace(pathOf(temporary()), pathOf(info_.filePath()))))
            return failed(fileProblem(error));
        // Whether or not this last flush succeeds, each name holds a whole file.
        durable::syncFolder(pathOf(folder_));
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
        return {OpeningResult::Converted,
                std::make_unique<ConvertedCatalogue>(ConvertedCatalogue{films, keptAs_}),
                {converted + QStringLiteral("\n\n") + kept}};
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

Opening<ConvertedCatalogue> convertJetCatalogue(const QString& fileName,
                                                const std::function<void(ConversionStep)>& afterStep,
                                                const JetReader& reader)
{
    return Conversion(fileName, afterStep, reader).run();
}

} // namespace catalogue::jet
