#pragma once
// mdbtools trusts the file it reads: a damaged Access file can make it follow
// a null pointer or loop for ever, inside the library, where no check of ours
// can come first. So an Access file is read in a process of its own, the
// program started again with a private argument, which reads table Pelis and
// hands back what it read through a pipe. Whatever becomes of that process
// (a crash, a hang past its time, any failure), the program only learns that
// the file could not be read; nothing is written anywhere by the reading.

#include "JetTableReader.h"

#include <QString>

#include <chrono>
#include <optional>

namespace catalogue::jet {

// What the program is started with to read a file; the file's name comes on
// its standard input, in UTF-8, so that any name reaches it whole.
inline constexpr char kReaderArgument[] = "--cintario-lee-access";

// First thing in main(): when this process was started to read an Access
// file, reads it, writes what it read to standard output and gives the exit
// status for main() to return; otherwise nothing.
std::optional<int> runAsJetReader(int argc, char** argv);

// The reader's first step: a crash of this process ends it at once and
// leaves nothing behind, no core file in the user's folder, no crash report
// or debugger window on Windows.
void dieQuietlyOnCrash();

struct JetReader {
    QString program; // started with kReaderArgument
    // The reading may take this long, and a second more for every 10 MB of file.
    std::chrono::milliseconds timeLimit{30000};

    // This very program (a QCoreApplication must exist).
    static JetReader thisProgram();
};

// Table Pelis of the file, read in a reader process, its columns chosen by
// PelisColumns. When the process fails, Status::ReaderFailed and `problem`.
JetTableRead readPelisApart(const JetReader& reader, const QString& fileName);

} // namespace catalogue::jet
