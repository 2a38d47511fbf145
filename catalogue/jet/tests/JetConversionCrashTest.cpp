// The conversion run in a real child process that is killed (SIGKILL) at
// every step and at moments in between; a second copy started meanwhile; a
// backup name already taken. The original must always survive byte for byte.
#include "JetConversion.h"
#include "JetTestFolder.h"
#include "SampleFilms.h"

#include <QElapsedTimer>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

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

// Runs the conversion in a child process; `afterStep` runs there.
pid_t convertInChild(const QString& path, const std::function<void(ConversionStep)>& afterStep = {})
{
    const pid_t child = fork();
    if (child == 0) {
        convertJetCatalogue(path, afterStep);
        _exit(0);
    }
    return child;
}

void killAndReap(pid_t child)
{
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
}

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
    EXPECT_NE(outcome.result, ConversionOutcome::Result::Refused) << outcome.message.toStdString();
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
        const pid_t child = convertInChild(folder.path(), [step](ConversionStep reached) {
            if (reached == step)
                kill(getpid(), SIGKILL);
        });
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        expectOriginalSurvived(folder, jet, 2000);
        expectNextStartConverts(folder, jet, 2000);
    }
}

TEST(JetConversionCrash, AKillAtAnyMomentLeavesTheOriginalUnderOneOfItsNames)
{
    const QByteArray jet = jet4Films(20000);
    // Kills spread over one whole conversion, timed on this machine: while
    // reading, writing the new catalogue, flushing, linking and renaming.
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(convertJetCatalogue(JetTestFolder(jet).path()).result, ConversionOutcome::Result::Converted);
    const double whole = double(timer.nsecsElapsed()) / 1000.0;
    for (double share : {0.1, 0.3, 0.5, 0.6, 0.7, 0.8, 0.85, 0.9, 0.95, 1.0, 1.1}) {
        SCOPED_TRACE(share);
        JetTestFolder folder(jet);
        const pid_t child = convertInChild(folder.path());
        usleep(useconds_t(whole * share));
        killAndReap(child);
        expectOriginalSurvived(folder, jet, 20000);
        expectNextStartConverts(folder, jet, 20000);
    }
}

TEST(JetConversionCrash, ASecondCopyDoesNotConvertWhileTheFirstIsAtIt)
{
    const QByteArray jet = jet4Films(50);
    JetTestFolder folder(jet);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t first = convertInChild(folder.path(), [&](ConversionStep reached) {
        if (reached == ConversionStep::TemporaryClaimed) {
            (void)!write(ready[1], "x", 1);
            pause(); // until killed
        }
    });
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);

    const auto second = convertJetCatalogue(folder.path());
    EXPECT_EQ(second.result, ConversionOutcome::Result::InUse);
    EXPECT_FALSE(second.startWindow());
    EXPECT_TRUE(second.message.contains(QStringLiteral("lo está convirtiendo ahora mismo otra copia del programa")));
    EXPECT_EQ(folder.read(), jet);

    // The first copy dies holding the temporary file; the next start clears it away.
    killAndReap(first);
    EXPECT_EQ(folder.files(), (QStringList{"Peliculas (convirtiendo).tmp", "Peliculas.mdb"}));
    expectNextStartConverts(folder, jet, 50);
    close(ready[0]);
    close(ready[1]);
}

TEST(JetConversionCrash, TheOriginalNeverReplacesAFileOfTheNameItWouldTake)
{
    const QByteArray jet = jet4Films(10);
    JetTestFolder folder(jet);
    folder.write(original, "not ours");
    const auto outcome = convertJetCatalogue(folder.path());
    ASSERT_EQ(outcome.result, ConversionOutcome::Result::Converted);
    EXPECT_EQ(outcome.keptAs, "Peliculas (Jet original 2).mdb");
    EXPECT_TRUE(outcome.message.contains("con el nombre \"Peliculas (Jet original 2).mdb\""));
    EXPECT_EQ(folder.read(original), "not ours");
    EXPECT_EQ(folder.read(outcome.keptAs), jet);
    EXPECT_EQ(storedFilms(folder.path()).size(), 10);
}
