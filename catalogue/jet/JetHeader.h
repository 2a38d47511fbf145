#pragma once
// What the first page of an Access file says about it: which engine wrote it
// (bytes 4 to 19 name it), and whether it is encoded or carries a password.
// The offsets are shared with the test generator that writes such files.

#include <QByteArray>

#include <cmath>
#include <cstdint>

namespace catalogue::jet {

enum class JetFormat {
    NotAccess,  // any other file, our own catalogue included
    Jet3,       // Access 97
    Jet4,       // Access 2000 to 2003
    Ace,        // Access 2007 and later (.accdb)
    UnknownJet, // says "Standard Jet DB" with a version number no Access wrote
};

struct JetHeader {
    JetFormat format = JetFormat::NotAccess;
    int pageSize = 0;
    bool encrypted = false;         // every page scrambled with the database's own key
    bool passwordProtected = false; // a database password is set
};

// `start` is the beginning of the file; fewer bytes than a page are fine.
JetHeader inspectJetHeader(const QByteArray& start);

namespace page0 {
inline constexpr int signatureOffset = 4; // 16 bytes, "Standard Jet DB" and a NUL
inline constexpr char jetSignature[] = "Standard Jet DB";
inline constexpr char aceSignature[] = "Standard ACE DB";
inline constexpr int versionOffset = 0x14;   // 0 for Jet 3, 1 for Jet 4, 2 and up for ACE
inline constexpr int scrambledOffset = 0x18; // from here on the page is scrambled with RC4 ...
inline constexpr std::uint8_t scrambleKey[4] = {0xC7, 0xDA, 0x39, 0x6B}; // ... under this fixed key
inline constexpr int scrambledLength(bool jet3)
{
    return jet3 ? 126 : 128;
}
inline constexpr int sortOrderOffset(bool jet3)
{
    return jet3 ? 0x3A : 0x6E;
}
inline constexpr int codePageOffset = 0x3C;
inline constexpr int encodingKeyOffset = 0x3E; // 4 bytes, 0 unless the database is encoded
inline constexpr int passwordOffset = 0x42;
inline constexpr int passwordLength(bool jet3)
{
    return jet3 ? 20 : 40;
}
inline constexpr int creationDateOffset = 0x72; // Jet 4: a date whose whole days mask the password
inline constexpr int pageSize(bool jet3)
{
    return jet3 ? 2048 : 4096;
}

// The four bytes that Jet 4 lays over its password, taken from the creation date.
inline std::uint32_t passwordMask(double creationDate)
{
    return std::uint32_t(std::int32_t(std::floor(creationDate)));
}
} // namespace page0

} // namespace catalogue::jet
