#pragma once
// For tests only: writes small but complete Jet 3 (Access 97) and Jet 4
// (Access 2000-2003) database files, so that the conversion can be tried on
// real files without a catalogue from any other program. What it writes:
// page 0 with its scrambled head, the usage maps, the system table
// MSysObjects listing the tables, and each table's definition and data pages.
// No indexes, no long values on pages of their own.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace catalogue::jet::testing {

enum class JetVersion { Jet3, Jet4 };

// Column types by their code in a table definition.
enum class JetType : std::uint8_t {
    Boolean = 0x01,
    Byte = 0x02,
    Integer = 0x03, // 16 bits
    Long = 0x04,    // 32 bits
    Currency = 0x05,
    Double = 0x07,
    DateTime = 0x08, // days since 30 December 1899
    Text = 0x0A,
    Ole = 0x0B,  // only ever NULL here
    Memo = 0x0C, // kept inside the row
};

struct JetColumnDef {
    QString name;
    JetType type;
};

// A value as text: numbers in C-locale decimal form, a date as its day count;
// std::nullopt is NULL.
using JetCell = std::optional<QString>;

struct JetRowDef {
    std::vector<JetCell> cells;
    // Deleted by the user but still on its page, flagged as deleted.
    bool deleted = false;
    // Grown by an update and moved: its place holds a pointer to the row,
    // which now lies on a page after the table's others.
    bool moved = false;
};

struct JetTableDef {
    QString name;
    std::vector<JetColumnDef> columns;
    std::vector<JetRowDef> rows;
};

struct JetFileOptions {
    JetVersion version = JetVersion::Jet3;
    QString password;              // empty: none
    std::uint32_t encodingKey = 0; // not 0: every page after the first is encoded
    std::uint16_t codePage = 1252; // Jet 3 text is written in this code page
};

QByteArray writeJetFile(const JetFileOptions& options, const std::vector<JetTableDef>& tables);

// Table Pelis with its seven columns: idzefo a Long, totalcds an Integer, the others Text.
JetTableDef pelisTable(const std::vector<std::vector<JetCell>>& rows);

} // namespace catalogue::jet::testing
