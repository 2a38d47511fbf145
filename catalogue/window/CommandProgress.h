#pragma once
// The progress of a long command, drawn straight into the main window. A
// command runs on the window's thread and lets no other event in, so the bar
// repaints itself at once on every step instead of waiting for the event
// loop. It appears only once the command has taken a noticeable time.
#include <QElapsedTimer>
#include <QString>

class QProgressBar;

namespace catalogue {

class Form1;

class CommandProgress {
public:
    // `format` is QProgressBar's: %v done, %m in all, %p percent.
    CommandProgress(Form1& form, qint64 total, const QString& format);
    ~CommandProgress();
    CommandProgress(const CommandProgress&) = delete;

    void step(qint64 done);
    void hide();

private:
    Form1& form_;
    qint64 total_;
    QString format_;
    QElapsedTimer age_;
    QProgressBar* bar_ = nullptr;
};

} // namespace catalogue
