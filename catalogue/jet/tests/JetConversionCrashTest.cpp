// The conversion run in a real child process that is killed at every step
// and at moments in between; a second copy started meanwhile; a backup name
// already taken. The original must always survive byte for byte.
// The child is this test program started again (the same on Linux and on
// Windows), running only JetConversionChild below on the folder it is given.
#include "JetConversion.h"
#include "JetTestFolder.h"
#include "SampleFilms.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QThread>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <unistd.h>
#endif

using catalogue::OpeningResult;
using namespace catalogue::jet;
using namespace catalogue::jet::testing;

namespace {

const QString original = QStringLiteral("Peliculas (Jet original).mdb");

QByteArray jet4Films(int count)
{
    JetFileOptions o;
    o.version = JetVersion::Jet4;
    return writeJetFile(o, {pelisTable(sampleFilms(count))});
}

// Ends this process at once, as a kill would: no clean-up of any kind. Qt
// reports either as a crash (0xf291 is the code its own kill gives on Windows).
[[noreturn]] void dieNow()
{
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), 0xf291);
#else
    kill(getpid(), SIGKILL);
#endif
    for (;;) {
    }
}

// What the child does after a step of the conversion.
enum class Then { GoOn, Die, SayClaimedAndWait };

class ConversionChild {
public:
    explicit ConversionChild(const QString& path, Then then = Then::GoOn,
                             ConversionStep step = ConversionStep::TemporaryClaimed)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("JET_CHILD_CATALOGUE"), path);
        environment.insert(QStringLiteral("JET_CHILD_MARKS"), marks_.path());
        environment.insert(QStringLiteral("JET_CHILD_THEN"), QString::number(int(then)));
        environment.insert(QStringLiteral("JET_CHILD_STEP"), QString::number(int(step)));
        process_.setProcessEnvironment(environment);
        // Its test report would stand among this program's own lines: only its errors are shown.
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(JetReader::thisProgram().program,
                       {QStringLiteral("--gtest_filter=JetConversionChild.DISABLED_Converts"),
                        QStringLiteral("--gtest_also_run_disabled_tests")});
        EXPECT_TRUE(process_.waitForStarted());
    }
    ~ConversionChild() { kill(); }

    // Waits until the child has said `mark` (it is about to convert: "started").
    bool waitFor(const QString& mark) const
    {
        for (int i = 0; i < 6000 && !QFile::exists(marks_.filePath(mark)); ++i)
            QThread::msleep(10);
        return QFile::exists(marks_.filePath(mark));
    }
    void kill()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    // Waits for the child to end by itself: true if it died by a kill.
    bool endsKilled()
    {
        process_.waitForFinished(120000);
        return process_.state() == QProcess::NotRunning && process_.exitStatus() == QProcess::CrashExit;
    }

private:
    catalogue::testing::TestFolder marks_;
    QProcess process_;
};

} // namespace

// The child's side, run only when this program is started by ConversionChild.
TEST(JetConversionChild, DISABLED_Converts)
{
    const QString marks = qEnvironmentVariable("JET_CHILD_MARKS");
    const auto then = Then(qEnvironmentVariableIntValue("JET_CHILD_THEN"));
    const auto step = ConversionStep(qEnvironmentVariableIntValue("JET_CHILD_STEP"));
    const auto say = [&](const char* mark) { QFile(marks + u'/' + QLatin1String(mark)).open(QIODevice::WriteOnly); };
    say("started");
    convertJetCatalogue(qEnvironmentVariable("JET_CHILD_CATALOGUE"), [&](ConversionStep reached) {
        if (reached != step || then == Then::GoOn)
            return;
        if (then == Then::Die)
            dieNow();
        say("claimed");
        for (;;)
            QThread::sleep(1); // until killed
    });
}

namespace {

// After a kill: the original is whole under one of its two names, and the
// catalogue's name holds either the original or the whole converted catalogue.
void expectOriginalSurvived(const JetTestFolder& folder, const QByteArray& jet, int films)
{
    const bool stillJet = folder.read() == jet;
    EXPECT_TRUE(stillJet || folder.read(original) == jet);
    if (!stillJet) {
        EXPECT_EQ(storedFilms(folder.path()).size(), films);
    }
}

// The next start finishes the work: one converted catalogue, one original, nothing else.
void expectNextStartConverts(const JetTestFolder& folder, const QByteArray& jet, int films)
{
    const auto outcome = convertJetCatalogue(folder.path());
    EXPECT_NE(outcome.result, OpeningResult::Refused) << outcome.message().toStdString();
    EXPECT_EQ(storedFilms(folder.path()).size(), films);
    EXPECT_EQ(folder.read(original), jet);
    EXPECT_EQ(folder.files(), (QStringList{original, "Peliculas.mdb"}));
}

} // namespace

TEST(JetConversionCrash, AKillAfterAnyStepLeavesTheOriginalUnderOneOfItsNames)
{
    const QByteArray jet = jet4Films(2000);
    for (ConversionStep step : {ConversionStep::TemporaryClaimed, ConversionStep::CatalogueWritten,
                                ConversionStep::OriginalKept, ConversionStep::Replaced}) {
        SCOPED_TRACE(int(step));
        JetTestFolder folder(jet);
        ASSERT_TRUE(ConversionChild(folder.path(), Then::Die, step).endsKilled());
        expectOriginalSurvived(folder, jet, 2000);
        expectNextStartConverts(folder, jet, 2000);
    }
}

TEST(JetConversionCrash, AKillAtAnyMomentLeavesTheOriginalUnderOneOfItsNames)
{
    const QByteArray jet = jet4Films(20000);
    // Kills spread over one whole conversion in a child, timed on this machine
    // from the child's start of it: while reading, writing the new catalogue,
    // flushing, linking and renaming.
    QElapsedTimer timer;
    qint64 whole = 0;
    {
        JetTestFolder folder(jet);
        ConversionChild child(folder.path());
        ASSERT_TRUE(child.waitFor(QStringLiteral("started")));
        timer.start();
        ASSERT_FALSE(child.endsKilled());
        whole = timer.nsecsElapsed() / 1000;
        ASSERT_EQ(storedFilms(folder.path()).size(), 20000);
    }
    for (double share : {0.1, 0.3, 0.5, 0.6, 0.7, 0.8, 0.85, 0.9, 0.95, 1.0, 1.1}) {
        SCOPED_TRACE(share);
        JetTestFolder folder(jet);
        ConversionChild child(folder.path());
        ASSERT_TRUE(child.waitFor(QStringLiteral("started")));
        QThread::usleep(static_cast<unsigned long>(double(whole) * share));
        child.kill();
        expectOriginalSurvived(folder, jet, 20000);
        expectNextStartConverts(folder, jet, 20000);
    }
}

TEST(JetConversionCrash, ASecondCopyDoesNotConvertWhileTheFirstIsAtIt)
{
    const QByteArray jet = jet4Films(50);
    JetTestFolder folder(jet);
    ConversionChild first(folder.path(), Then::SayClaimedAndWait, ConversionStep::TemporaryClaimed);
    ASSERT_TRUE(first.waitFor(QStringLiteral("claimed")));

    const auto second = convertJetCatalogue(folder.path());
    EXPECT_EQ(second.result, OpeningResult::HeldElsewhere);
    EXPECT_TRUE(second.message().contains(QStringLiteral("lo está convirtiendo ahora mismo otra copia del programa")));
    EXPECT_EQ(folder.read(), jet);

    // The first copy dies holding the temporary file; the next start clears it away.
    first.kill();
    EXPECT_EQ(folder.files(), (QStringList{"Peliculas (convirtiendo).tmp", "Peliculas.mdb"}));
    expectNextStartConverts(folder, jet, 50);
}

TEST(JetConversionCrash, TheOriginalNeverReplacesAFileOfTheNameItWouldTake)
{
    const QByteArray jet = jet4Films(10);
    JetTestFolder folder(jet);
    folder.write(original, "not ours");
    const auto outcome = convertJetCatalogue(folder.path());
    ASSERT_EQ(outcome.result, OpeningResult::Converted);
    EXPECT_EQ(outcome.catalogue->keptAs, "Peliculas (Jet original 2).mdb");
    EXPECT_TRUE(outcome.message().contains("con el nombre \"Peliculas (Jet original 2).mdb\""));
    EXPECT_EQ(folder.read(original), "not ours");
    EXPECT_EQ(folder.read(outcome.catalogue->keptAs), jet);
    EXPECT_EQ(storedFilms(folder.path()).size(), 10);
}

#ifndef _WIN32
TEST(JetConversionCrash, ACatalogueNameThatIsALinkIsToldAsSuchAndTheFileItLeadsToIsKept)
{
    const QByteArray jet = jet4Films(3);
    JetTestFolder folder;
    ASSERT_TRUE(QDir(folder.path({})).mkdir(QStringLiteral("copias")));
    folder.write(QStringLiteral("copias/pelis.mdb"), jet);
    ASSERT_TRUE(QFile::link(QStringLiteral("copias/pelis.mdb"), folder.path()));

    const auto outcome = convertJetCatalogue(folder.path());
    ASSERT_EQ(outcome.result, OpeningResult::Converted) << outcome.message().toStdString();
    EXPECT_TRUE(outcome.message().endsWith(
        QStringLiteral("\"Peliculas.mdb\" era un enlace al archivo original, \"%1\", que sigue donde estaba sin ningún "
                       "cambio; el enlace se ha guardado con el nombre \"%2\", en la misma carpeta.")
            .arg(folder.path(QStringLiteral("copias/pelis.mdb")), original)))
        << outcome.message().toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("copias/pelis.mdb")), jet);
    EXPECT_EQ(QFileInfo(folder.path(original)).symLinkTarget(), folder.path(QStringLiteral("copias/pelis.mdb")));
    EXPECT_EQ(storedFilms(folder.path()).size(), 3);
}
#endif
