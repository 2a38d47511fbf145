#pragma once
// The catalogue the program opens at start-up: one still in Access format is
// converted first, then the catalogue is opened and read.

#include "DataControl.h"
#include "JetConversion.h"

#include <QStringList>

#include <memory>

namespace catalogue {

struct CatalogueOpening {
    std::unique_ptr<DataControl> control; // null: the program ends
    QStringList messages;                 // to show, in this order, before the window
    QStringList notices;                  // to show once the window is up
};

CatalogueOpening openCatalogue(const QString& fileName, const jet::JetReader& reader,
                               const std::function<void(jet::ConversionStep)>& afterStep = {});

} // namespace catalogue
