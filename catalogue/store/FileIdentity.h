#pragma once
// What tells, before each write, that the catalogue file is still the one the
// program opened and read: the random identity a catalogue carries in its
// header (user_version, given by its first write), and the header as this
// program last left or read it. A file removed, replaced, overwritten with
// another catalogue, or changed by another program since is never written to.

#include "StoreMessages.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace catalogue {

class FileHold;

class FileIdentity {
public:
    // The file as opened, or as a write of this program has just left it.
    void take(const QByteArray& header);
    // The rows were read whole under this header: writes over it are safe
    // again, if it still is this catalogue at its path.
    void readWhole(const QByteArray& header, bool stillAtPath);
    // The identity the next write gives the file: its own, or a new random one.
    std::uint32_t forNextWrite() const;
    // Why the file is no longer ours to write, if it is not.
    std::optional<storeMessages::NotOurs> lost(const FileHold& hold) const;

private:
    std::uint32_t identity_ = 0; // 0 until the file's first write gives it one
    QByteArray header_;
};

} // namespace catalogue
