#pragma once
#include "Field.h"

#include <vector>

namespace catalogue {

// A small catalogue of public-domain films, for a first look at the program.
const std::vector<MovieRecord>& demoFilms();

} // namespace catalogue
