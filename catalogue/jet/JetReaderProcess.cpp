#include "JetReaderProcess.h"
#include "PelisColumns.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFileInfo>
#include <QProcess>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace catalogue::jet {

namespace {

// What the reader hands back starts with this and ends with its reverse, so
// that output cut short by a crash is never taken for a whole reading.
constexpr quint32 kStart = 0x4A455431; // "JET1"
constexpr quint32 kEnd = 0x3154454A;

QByteArray encode(const JetTableRead& read)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kStart << qint32(read.status) << read.problem << read.tables << quint64(read.columns.size());
    for (const JetColumn& column : read.columns)
        out << column.name << qint32(column.kind) << column.typeName;
    out << quint64(read.read.size());
    for (int index : read.read)
        out << qint32(index);
    out << quint64(read.rowCount) << quint64(read.values.size());
    for (const QString& value : read.values)
        out << value;
    out << kEnd;
    return bytes;
}

std::optional<JetTableRead> decode(const QByteArray& bytes)
{
    QDataStream in(bytes);
    JetTableRead read;
    quint32 start = 0, end = 0;
    qint32 status = 0;
    quint64 count = 0;
    in >> start >> status >> read.problem >> read.tables >> count;
    if (start != kStart || status < 0 || status > qint32(JetTableRead::Status::Unreadable))
        return std::nullopt;
    read.status = JetTableRead::Status(status);
    for (quint64 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        JetColumn column;
        qint32 kind = 0;
        in >> column.name >> kind >> column.typeName;
        column.kind = JetKind(kind);
        read.columns.push_back(column);
    }
    in >> count;
    for (quint64 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        qint32 index = -1;
        in >> index;
        if (index < 0 || std::size_t(index) >= read.columns.size())
            return std::nullopt;
        read.read.push_back(index);
    }
    quint64 rows = 0;
    in >> rows >> count;
    if (count != rows * read.read.size())
        return std::nullopt;
    read.rowCount = std::size_t(rows);
    for (quint64 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString value;
        in >> value;
        read.values.push_back(std::move(value));
    }
    in >> end;
    if (in.status() != QDataStream::Ok || end != kEnd || !in.atEnd())
        return std::nullopt;
    return read;
}

// Standard input and output as the operating system gives them, untouched by
// any text mode: a windowed program on Windows has no console streams of its own.
QByteArray readStandardInput()
{
    QByteArray all;
    char buffer[4096];
    for (;;) {
#ifdef _WIN32
        DWORD got = 0;
        if (!ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &got, nullptr) || got == 0)
            return all;
#else
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0)
            return all;
#endif
        all.append(buffer, qsizetype(got));
    }
}

bool writeStandardOutput(const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
#ifdef _WIN32
        DWORD put = 0;
        if (!WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.constData() + done, DWORD(bytes.size() - done), &put,
                       nullptr) ||
            put == 0)
            return false;
#else
        const ssize_t put = ::write(STDOUT_FILENO, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (put <= 0)
            return false;
#endif
        done += qsizetype(put);
    }
    return true;
}

JetTableRead failed(const QString& problem)
{
    JetTableRead read;
    read.status = JetTableRead::Status::ReaderFailed;
    read.problem = problem;
    return read;
}

} // namespace

void dieQuietlyOnCrash()
{
#ifdef _WIN32
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* e) -> LONG {
        TerminateProcess(GetCurrentProcess(), UINT(e->ExceptionRecord->ExceptionCode));
        return EXCEPTION_EXECUTE_HANDLER;
    });
#else
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
#endif
}

std::optional<int> runAsJetReader(int argc, char** argv)
{
    if (argc != 2 || qstrcmp(argv[1], kReaderArgument) != 0)
        return std::nullopt;
    dieQuietlyOnCrash();
    const QString fileName = QString::fromUtf8(readStandardInput());
    PelisColumns columns;
    const JetTableRead read =
        readJetTable(fileName, QStringLiteral("Pelis"), [&](const JetColumn& column) { return columns.take(column); });
    return writeStandardOutput(encode(read)) ? 0 : 1;
}

JetReader JetReader::thisProgram()
{
    return {QCoreApplication::applicationFilePath()};
}

JetTableRead readPelisApart(const JetReader& reader, const QString& fileName)
{
    const auto limit = reader.timeLimit + std::chrono::seconds(QFileInfo(fileName).size() / (10 * 1024 * 1024));
    QProcess process;
    process.setProgram(reader.program);
    process.setArguments({QString::fromLatin1(kReaderArgument)});
    // What mdbtools prints of the damage it meets is English, and for no one.
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted())
        return failed(QStringLiteral("no se ha podido leer: este programa no ha podido ponerse en marcha para leerlo"));
    process.write(fileName.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(int(limit.count()))) {
        process.kill();
        process.waitForFinished();
        return failed(QStringLiteral("está dañado y no se ha podido leer: su lectura no ha terminado en %1 segundos")
                          .arg(std::chrono::duration_cast<std::chrono::seconds>(limit).count()));
    }
    const auto read = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
                          ? decode(process.readAllStandardOutput())
                          : std::nullopt;
    if (!read)
        return failed(
            QStringLiteral("está dañado y no se ha podido leer: su lectura se ha detenido por un error grave"));
    return *read;
}

} // namespace catalogue::jet
