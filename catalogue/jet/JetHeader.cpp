#include "JetHeader.h"
#include "Rc4.h"

#include <cstring>

namespace catalogue::jet {

namespace {

bool hasSignature(const QByteArray& start, const char* signature)
{
    const auto length = qsizetype(std::strlen(signature));
    return start.size() >= page0::signatureOffset + length + 1 &&
           start.mid(page0::signatureOffset, length) == signature && start.at(page0::signatureOffset + length) == '\0';
}

std::uint32_t le32(const QByteArray& bytes, int offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | std::uint8_t(bytes.at(offset + i));
    return value;
}

} // namespace

JetHeader inspectJetHeader(const QByteArray& start)
{
    JetHeader header;
    if (hasSignature(start, page0::aceSignature)) {
        header.format = JetFormat::Ace;
        return header;
    }
    if (!hasSignature(start, page0::jetSignature) || start.size() < page0::versionOffset + 4)
        return header;
    const std::uint32_t version = le32(start, page0::versionOffset);
    if (version > 1) {
        header.format = JetFormat::UnknownJet;
        return header;
    }
    const bool jet3 = version == 0;
    header.format = jet3 ? JetFormat::Jet3 : JetFormat::Jet4;
    header.pageSize = page0::pageSize(jet3);

    const int scrambledEnd = page0::scrambledOffset + page0::scrambledLength(jet3);
    if (start.size() < scrambledEnd)
        return header; // too short to say more; reading it will find the damage
    QByteArray page = start.left(scrambledEnd);
    rc4(page0::scrambleKey, sizeof page0::scrambleKey,
        reinterpret_cast<std::uint8_t*>(page.data()) + page0::scrambledOffset,
        std::size_t(page0::scrambledLength(jet3)));

    header.encrypted = le32(page, page0::encodingKeyOffset) != 0;
    std::uint32_t mask = 0;
    if (!jet3) {
        double created = 0;
        std::memcpy(&created, page.constData() + page0::creationDateOffset, sizeof created);
        mask = page0::passwordMask(created);
    }
    for (int i = 0; i < page0::passwordLength(jet3); ++i) {
        const auto maskByte = std::uint8_t(mask >> (8 * (i % 4)));
        if ((std::uint8_t(page.at(page0::passwordOffset + i)) ^ maskByte) != 0)
            header.passwordProtected = true;
    }
    return header;
}

} // namespace catalogue::jet
