#pragma once
// For tests and benchmarks: a made-up collection of any size, the same every
// time, with accents, a dash and an inverted question mark in its texts.
#include "JetFileWriter.h"

#include <vector>

namespace catalogue::jet::testing {

// Film i (from 0) has number i + 1; the first is
// "¿Dónde está mi coche, tío? — Versión extendida" by "Pedro Almodóvar".
std::vector<std::vector<JetCell>> sampleFilms(int count);

} // namespace catalogue::jet::testing
