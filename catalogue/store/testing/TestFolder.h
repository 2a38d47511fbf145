#pragma once
// For the tests of every layer: a fresh temporary folder, removed with all it
// holds, and the bytes of files.
#include "QtPrinting.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <stdexcept>

namespace catalogue::testing {

// A file's bytes; empty for a file that is not there or cannot be read.
inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes a file of the given bytes, or throws.
inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

class TestFolder {
public:
    TestFolder()
    {
        if (!dir_.isValid())
            throw std::runtime_error("cannot make a temporary folder");
    }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    // The folder as the program's messages name it (with "\\" on Windows).
    QString shownPath() const { return QDir::toNativeSeparators(dir_.path()); }
    void write(const QString& name, const QByteArray& bytes) const { writeBytes(filePath(name), bytes); }
    QByteArray read(const QString& name) const { return readBytes(filePath(name)); }
    // The names of the files in the folder, hidden ones too, sorted.
    QStringList files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

private:
    QTemporaryDir dir_;
};

} // namespace catalogue::testing
