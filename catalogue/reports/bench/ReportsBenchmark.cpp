// Prints how long each report takes over a generated catalogue, from the
// command to its closing message, and the peak memory of the process. The
// catalogue costs no memory per film, so a growing peak would be the
// report's own doing. Usage: reports-benchmark [films...] (default 32767 100000)

#include "FakeCatalogue.h"
#include "ListingReport.h"
#include "StatisticsReport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace catalogue;

namespace {

class SilentDialogs final : public ReportDialogs {
public:
    void showMessage(QStringView, QStringView) override {}
};

class NoViewer final : public ReportOpener {
public:
    StepFailure openReport(const QString&) override { return std::nullopt; }
};

long peakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double medianMilliseconds(int runs, const std::function<void()>& report)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        report();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<qint64> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoll(argv[i]));
    if (sizes.empty())
        sizes = {32767, 100000};

    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    SilentDialogs dialogs;
    NoViewer viewer;
    const SummaryCaptions captions{QStringLiteral("1P."), QStringLiteral("01:30:00"),
                                   QStringLiteral("01:30:00"), QStringLiteral("0,06")};
    constexpr int kRuns = 5;

    std::printf("reports over a generated catalogue, median of %d runs, ms\n", kRuns);
    std::printf("peak memory before: %ld KiB\n", peakMemoryKiB());
    for (const qint64 films : sizes) {
        for (const ListingDefinition& listing : listingDefinitions()) {
            const double ms = medianMilliseconds(kRuns, [&] {
                catalogue::testing::GeneratedCatalogue catalogue(films);
                writeListingReport(listing, catalogue, dialogs, viewer);
            });
            std::printf("%7lld films  %-18s %8.1f ms  peak %ld KiB\n", static_cast<long long>(films),
                        qPrintable(listing.menuItem.toString()), ms, peakMemoryKiB());
        }
        const double ms = medianMilliseconds(kRuns, [&] {
            catalogue::testing::GeneratedCatalogue catalogue(films);
            writeStatisticsReport(catalogue, captions, dialogs, viewer);
        });
        std::printf("%7lld films  %-18s %8.1f ms  peak %ld KiB\n", static_cast<long long>(films),
                    "estadis", ms, peakMemoryKiB());
    }
    return 0;
}
