#pragma once
#include <string>
#include <string_view>

#include "LineReader.h"
#include "PcTable.h"

// Reading a core capillary-pressure file (its format: PcTable.h) from the
// disk or from memory: the text in UTF-8, else in Windows-1252, split by the
// text toolkit's table reader within the limits below, then interpreted.
namespace keldo {

// A laboratory's table has some thousand lines of a few dozen characters;
// far longer lines or far more of them mean the file is something else.
inline constexpr LineLimits kPcFileLimits{1 << 16, 1 << 20};

// The table in `bytes`, the whole file.
PcTableResult ReadPcTableText(std::string_view bytes);

// The table in the regular file at `path`. A file that cannot be read
// (missing, a folder, a device, too large, a read error) gives CannotRead.
PcTableResult ReadPcFile(const std::string& path);

// Whether the error is one of the file (it cannot be read), not of its text.
inline bool IsUnreadable(const PcTableError& error) { return error.kind == PcTableErrorKind::CannotRead; }

} // namespace keldo
