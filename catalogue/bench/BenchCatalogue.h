#pragma once
// Generated catalogues for the benchmarks: plausible, varied films.
#include <QString>

#include <cstdint>

namespace catalogue::bench {

// Writes a new catalogue of `films` films into `fileName`.
void writeBenchCatalogue(const QString& fileName, std::int64_t films);

} // namespace catalogue::bench
