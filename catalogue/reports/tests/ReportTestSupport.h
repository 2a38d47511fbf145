#pragma once

#include "ReportViewer.h"
#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "UnprivilegedUser.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace catalogue::testing {

// Logs each message of `dialogs` as "message <text>" into `events`.
void logMessages(ScriptedDialogs& dialogs, QStringList& events);

// The viewer, logged as "open <file> (<size on disk> bytes)" into `events`.
class RecordingOpener final : public ReportOpener {
public:
    explicit RecordingOpener(QStringList& events) : events_(events) {}
    void openReport(const QString& fileName) override;

private:
    QStringList& events_;
};

// Makes a fresh temporary folder the current one, as the program's folder.
class ScopedWorkingFolder : public TestFolder {
public:
    ScopedWorkingFolder();
    ~ScopedWorkingFolder();
    // Takes write permission away from the folder, and from its files too.
    void makeReadOnly(bool filesToo = true) const;
    // What the user is told when a report cannot be made in this folder.
    QString cannotCreateMessage(const QString& fileName) const;

private:
    QString previous_;
};

// An expected report file of the test data folder.
QByteArray expectedReport(const QString& name);

} // namespace catalogue::testing
