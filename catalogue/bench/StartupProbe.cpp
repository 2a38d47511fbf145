// Starts the program as a user would and says "shown" with the peak memory
// as soon as the main window has been painted with its summary; then ends.
#include "Form1.h"
#include "Program.h"

#include <QApplication>
#include <QEvent>
#include <QFile>

#include <cstdio>

namespace {

long peakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            std::printf("shown %ld\n", peakMemoryKiB());
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    return catalogue::runProgram([&](catalogue::Form1& form1) {
        form1.centralWidget()->installEventFilter(&firstPaint);
        form1.centralWidget()->update();
    });
}
