#include "FileIdentity.h"
#include "FileHold.h"
#include "LeftoverJournal.h"

#include <QRandomGenerator>

namespace catalogue {

void FileIdentity::take(const QByteArray& header)
{
    header_ = header;
    identity_ = identityOf(header);
}

void FileIdentity::readWhole(const QByteArray& header, bool stillAtPath)
{
    if (identityOf(header) == identity_ && stillAtPath)
        header_ = header;
}

std::uint32_t FileIdentity::forNextWrite() const
{
    return identity_ != 0 ? identity_ : 1 + QRandomGenerator::system()->bounded(0x7FFFFFFEu);
}

std::optional<storeMessages::NotOurs> FileIdentity::lost(const FileHold& hold) const
{
    using storeMessages::NotOurs;
    if (!hold.stillAtPath())
        return NotOurs::Gone;
    const QByteArray header = hold.head(kHeaderSize);
    if (header == header_)
        return std::nullopt;
    if (identityOf(header) != identity_ || !startsAsSqlite(header))
        return NotOurs::Replaced;
    return NotOurs::ChangedElsewhere;
}

} // namespace catalogue
