#include "TerminationSignals.h"
#include "Form1.h"

#include <QGuiApplication>

#ifndef Q_OS_WIN
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace catalogue {

#ifdef Q_OS_WIN

// Windows ends a windowed program at logout through the session manager.
void closeOnTermination(Form1& form1)
{
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &form1, [&form1] { form1.requestClose(); });
}

#else

namespace {
int signalPipe[2] = {-1, -1};

// Only what is safe inside a signal handler: one byte into a socket, which
// the event loop reads and turns into a close of the window.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}
} // namespace

void closeOnTermination(Form1& form1)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &form1);
    QObject::connect(notifier, &QSocketNotifier::activated, &form1, [&form1] {
        char bytes[16];
        [[maybe_unused]] const auto read = ::read(signalPipe[1], bytes, sizeof bytes);
        form1.requestClose();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

#endif

} // namespace catalogue
