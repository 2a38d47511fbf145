#include "BenchTable.h"

#include <QElapsedTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace catalogue::bench {

void printTableHeader()
{
    std::printf("%8s  %-34s %10s %9s  %s\n", "films", "command", "median ms", "peak MB", "note");
    std::fflush(stdout);
}

void printRow(std::int64_t films, const QString& command, double medianMs, double peakMiB, const QString& note)
{
    std::printf("%8lld  %-34s %10.2f %9.1f  %s\n", static_cast<long long>(films), qPrintable(command), medianMs,
                peakMiB, qPrintable(note));
    std::fflush(stdout);
}

double peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double medianMs(int runs, const std::function<void()>& work, const std::function<void()>& prepare)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

} // namespace catalogue::bench
