#pragma once
// The program's own hold on its catalogue file, for as long as the catalogue
// is open. A second copy of the program started on the same file cannot take
// it and is refused before anything is read or written; and before each write
// the catalogue can make sure that its path still names the file it opened
// and read the file's first bytes as they are now.
//
// The hold is independent of SQLite's own locks, which last only while a
// command runs: an flock on Linux, a lock on a byte far beyond anything
// SQLite touches on Windows. Within one process the same file is held once
// and shared, and the descriptor is closed only when the last holder goes:
// closing any descriptor of a file drops every POSIX record lock the process
// holds on it, SQLite's included.

#include <QByteArray>
#include <QString>

#include <memory>

namespace catalogue {

class FileHold {
public:
    enum class Result { Held, Missing, HeldElsewhere, Folder, NotRegular, NotReadable, Failed };
    struct Taken {
        std::unique_ptr<FileHold> hold; // set only when Held
        Result result = Result::Failed;
        bool created = false; // the file was made by this call
    };

    // Holds an existing file; creates and changes nothing.
    static Taken holdExisting(const QString& path);
    // Creates a new, empty file and holds it; an existing file is held as it is.
    static Taken createAndHold(const QString& path);

    // Whether this program may write the file or folder: checked as the
    // program's effective user, the one its writes will run as.
    static bool writable(const QString& path);

    ~FileHold();
    FileHold(const FileHold&) = delete;
    FileHold& operator=(const FileHold&) = delete;

    // The path still names this very file, and the file has not been removed.
    bool stillAtPath() const;
    // Up to `bytes` bytes from the start of the file, as it is now.
    QByteArray head(int bytes) const;
    // Another program (a database tool) is writing to the file through SQLite
    // at this moment: a journal beside it is that program's, not a leftover.
    bool someoneIsWriting() const;

    struct Native;

private:
    FileHold(QString path, std::shared_ptr<Native> native);

    QString path_;
    std::shared_ptr<Native> native_;
};

} // namespace catalogue
