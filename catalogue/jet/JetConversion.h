#pragma once
// Opening a catalogue the user kept in Access: if the catalogue file is a Jet
// database, it is converted once into our own catalogue under the same name.
//
// The order keeps the user's data safe at every moment: the new catalogue is
// written under a temporary name and made durable; the original gets a second
// name ("Peliculas (Jet original).mdb", numbered if taken), never replacing a
// file; only then does the new catalogue take the catalogue's name. A crash
// anywhere leaves the original under one of its names and never a half-written
// catalogue under the catalogue's name.

#include "JetReaderProcess.h"
#include "Opening.h"

#include <QString>

#include <functional>

namespace catalogue::jet {

// What a conversion made: how many films the new catalogue has, and the
// name the original now has beside it.
struct ConvertedCatalogue {
    int films = 0;
    QString keptAs;
};

// The moments between the steps, for tests that stop the program there;
// Released: done, and the new catalogue free for any copy of the program to open.
enum class ConversionStep { TemporaryClaimed, CatalogueWritten, OriginalKept, Replaced, Released };

// The file is read by `reader` in a process of its own (JetReaderProcess.h).
// Opened: not an Access file, for the store to open as it is; Converted: the
// message says so, and the store opens the new catalogue; Refused: the
// message says why, and the file is as it was; HeldElsewhere: another copy
// of the program is converting it right now.
Opening<ConvertedCatalogue> convertJetCatalogue(const QString& fileName,
                                                const std::function<void(ConversionStep)>& afterStep = {},
                                                const JetReader& reader = JetReader::thisProgram());

} // namespace catalogue::jet
