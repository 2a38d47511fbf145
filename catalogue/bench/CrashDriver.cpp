// The program's own commands on a real catalogue, for the kill -9 series
// (kill-series): it works until it is killed, saying what it has finished.
//   crash-driver make FILE FILMS   writes a catalogue of generated films
//   crash-driver work MODE [MS]    in the catalogue's folder: saves, deletes, clear or reports;
//                                  killed by SIGKILL MS milliseconds after the command starts
//   crash-driver check             opens the catalogue as the program does, then checks it
#include "BenchCatalogue.h"
#include "CommandWiring.h"
#include "DataControl.h"
#include "EditingCommands.h"
#include "Form1.h"
#include "ScriptedDialogs.h"
#include "SilentOpeners.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <sqlite3.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include <unistd.h>

using namespace catalogue;

namespace {

// A kill -9 at a chosen moment of the work, from outside the work itself.
void killedAfter(double milliseconds)
{
    if (milliseconds < 0)
        return;
    std::thread([milliseconds] {
        std::this_thread::sleep_for(std::chrono::microseconds(static_cast<long long>(milliseconds * 1000)));
        ::kill(::getpid(), SIGKILL);
    }).detach();
}

void say(const char* format, long long value)
{
    std::printf(format, value);
    std::fflush(stdout);
}

int work(const QByteArray& mode, double killAfterMs)
{
    auto opened = DataControl::open();
    if (!opened.catalogue) {
        std::printf("refused: %s\n", qPrintable(opened.message()));
        return 2;
    }
    testing::ScriptedDialogs dialogs;
    testing::NoReportViewer viewer;
    testing::NoLinkOpener links;
    Form1 form(*opened.catalogue, dialogs);
    wireCommands(form, viewer, links);
    std::printf("ready\n");
    std::fflush(stdout);
    if (mode == "clear") {
        form.activaborra()->trigger();
        QElapsedTimer timer;
        timer.start();
        say("clearing %lld\n", form.records().RecordCount());
        killedAfter(killAfterMs);
        Command2_Click(form);
        say("cleared in %lld ms\n", timer.elapsed());
        return 0;
    }
    const QStringList reports{QStringLiteral("listadotitu"), QStringLiteral("estadis"), QStringLiteral("alfasoloti"),
                              QStringLiteral("pelismas1cd")};
    killedAfter(killAfterMs);
    for (long long n = 1;; ++n) {
        if (mode == "saves") {
            Command1_Click(form);
            form.box(Field::Idzefo)->setText(QString::number(100000 + n));
            form.box(Field::Titulo)->setText(QStringLiteral("Película guardada %1").arg(n));
            Command3_Click(form);
            say("saved %lld\n", n);
        } else if (mode == "deletes") {
            Command4_Click(form);
            say("deleted %lld\n", n);
        } else if (mode == "reports") {
            form.findChild<QAction*>(reports[int(n % reports.size())])->trigger();
            say("report %lld\n", n);
        } else {
            return 2;
        }
        if (!dialogs.messages.isEmpty() && dialogs.messages.last().startsWith(QStringLiteral("No se")))
            std::printf("failed: %s\n", qPrintable(dialogs.messages.last()));
    }
}

int check()
{
    QStringList notices;
    {
        auto opened = DataControl::open();
        if (!opened.catalogue) {
            std::printf("refused: %s\n", qPrintable(opened.message()));
            return 2;
        }
        std::printf("rows %lld\nnotices %lld\n", (long long)opened.catalogue->Recordset().RecordCount(),
                    (long long)opened.notices.size());
    }
    sqlite3* db = nullptr;
    sqlite3_open_v2("Peliculas.mdb", &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr);
    const bool row = sqlite3_step(stmt) == SQLITE_ROW;
    std::printf("integrity %s\n", row ? reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)) : "(no answer)");
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QByteArray command = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (command == "make" && argc == 4) {
        bench::writeBenchCatalogue(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLongLong());
        return 0;
    }
    if (command == "work" && (argc == 3 || argc == 4))
        return work(argv[2], argc == 4 ? QByteArray(argv[3]).toDouble() : -1);
    if (command == "check")
        return check();
    std::fprintf(stderr, "usage: crash-driver make FILE FILMS | work saves|deletes|clear|reports | check\n");
    return 2;
}
