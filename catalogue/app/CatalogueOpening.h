#pragma once
// The catalogue the program opens at start-up: one still in Access format is
// converted first, then the catalogue is opened and read whole. What that
// comes to, in one shape for every step (Opening.h): Opened or Converted with
// the catalogue, or Refused or HeldElsewhere without it; the messages to show
// before the window, the notices once it is up.

#include "DataControl.h"
#include "JetConversion.h"

#include <functional>

namespace catalogue {

Opening<DataControl> openCatalogue(const QString& fileName, const jet::JetReader& reader,
                                   const std::function<void(jet::ConversionStep)>& afterStep = {});

} // namespace catalogue
