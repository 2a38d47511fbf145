#pragma once
// The one table every benchmark prints its figures in: the catalogue's size,
// the command measured, the median time of several runs, the peak memory of
// the process so far, and a note.
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace catalogue::bench {

void printTableHeader();
void printRow(std::int64_t films, const QString& command, double medianMs, double peakMiB, const QString& note = {});

// Peak resident memory of this process so far.
double peakMemoryMiB();

double median(std::vector<double> values);
// Median time in milliseconds of `runs` calls of `work`; `prepare` runs before each, untimed.
double medianMs(int runs, const std::function<void()>& work, const std::function<void()>& prepare = {});

} // namespace catalogue::bench
