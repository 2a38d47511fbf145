#pragma once

#include "QtPrinting.h"
#include "ReportPorts.h"
#include "UnprivilegedUser.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>


namespace catalogue::testing {

// Message boxes, logged as "message <title>|<text>" into `events`.
class RecordingDialogs final : public ReportDialogs {
public:
    explicit RecordingDialogs(QStringList& events) : m_events(events) {}
    void showMessage(QStringView text, QStringView title) override;

private:
    QStringList& m_events;
};

// The viewer, logged as "open <file> (<size on disk> bytes)" into `events`.
class RecordingOpener final : public ReportOpener {
public:
    explicit RecordingOpener(QStringList& events) : m_events(events) {}
    StepFailure openReport(const QString& fileName) override;

private:
    QStringList& m_events;
};

// Makes a fresh temporary folder the current one, as the program's folder.
class ScopedWorkingFolder {
public:
    ScopedWorkingFolder();
    ~ScopedWorkingFolder();
    QString path() const { return m_folder.path(); }
    // The names of the files in the folder, sorted.
    QStringList fileNames() const;
    // Takes write permission away from the folder, and from its files too.
    void makeReadOnly(bool filesToo = true) const;
    // What the user is told when a report cannot be made in this folder.
    QString cannotCreateMessage(const QString& fileName) const;

private:
    QTemporaryDir m_folder;
    QString m_previous;
};

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);
// An expected report file of the test data folder.
QByteArray expectedReport(const QString& name);

} // namespace catalogue::testing
