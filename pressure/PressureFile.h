#pragma once
#include <string>
#include <string_view>

#include "LineReader.h"
#include "PressureTable.h"

// The pressure file on disk: a regular file of at most 16 MB, split by the
// CSV reader (comma, semicolon or tab, as its header line uses; '#' lines
// and blank lines skipped; a UTF-8 byte-order mark, CR LF or LF) within the
// limits below, then interpreted by ReadPressureTable. Cells are taken as
// bytes: a Windows-1252 file is read as well, its texts quoted in messages
// as that code.
namespace keldo {

// A pressure file holds a few dozen points per well; these limits leave room
// for a field's export with many columns and still refuse what is no such file.
inline constexpr unsigned long long kMaxPressureFileBytes = 16ull << 20;
inline constexpr LineLimits kPressureFileLimits{1 << 16, 100000};

enum class PressureFileErrorKind {
    CannotRead,    // missing, a folder, not a regular file, not readable (`systemError`)
    TooLarge,      // more than kMaxPressureFileBytes
    LineTooLong,   // a line longer than the limit (`line`)
    TooManyLines,  // more lines than the limit (`line`: the first beyond)
    UnclosedQuote, // a quoted cell not closed in its line (`line`)
    BadTable,      // the table cannot be interpreted (`table`)
};

struct PressureFileError {
    PressureFileErrorKind kind = PressureFileErrorKind::CannotRead;
    long long line = 0;
    int systemError = 0; // CannotRead: the errno value
    PressureTableError table;
};

// Reads the file at `path`, keeping the rows of `well`. False with `error` at
// the first problem; `table` then holds nothing.
bool ReadPressureFile(const std::string& path, const std::string& well, PressureTable& table, PressureFileError& error);

// The same for `text`, the whole file.
bool ReadPressureText(std::string_view text, const std::string& well, PressureTable& table, PressureFileError& error);

} // namespace keldo
