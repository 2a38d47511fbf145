// The Jet tests' own main. This program is also the reader of Access files
// that the conversion starts, as the real program is; and, told so through
// JET_TEST_READER, a reader that crashes or hangs, for the tests of a reading
// that fails.
#include "JetReaderProcess.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv)
{
    if (argc == 2 && qstrcmp(argv[1], catalogue::jet::kReaderArgument) == 0) {
        const QByteArray misbehave = qgetenv("JET_TEST_READER");
        if (misbehave == "crashes") {
            // As a reading that meets a bad pointer in mdbtools: after the reader's own first step.
            catalogue::jet::dieQuietlyOnCrash();
#ifdef _WIN32
            RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
#else
            std::raise(SIGSEGV);
#endif
        }
        if (misbehave == "hangs")
            for (;;)
                QThread::sleep(1);
    }
    if (const auto status = catalogue::jet::runAsJetReader(argc, argv))
        return *status;
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
