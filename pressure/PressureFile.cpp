#include "PressureFile.h"

#include <cerrno>
#include <filesystem>

#include "CsvTable.h"
#include "FileAccess.h"

namespace keldo {
namespace {

bool Fail(PressureFileError& error, PressureFileErrorKind kind, long long line)
{
    error = PressureFileError{kind, line, 0, {}};
    return false;
}

} // namespace

bool ReadPressureText(std::string_view text, const std::string& well, PressureTable& table, PressureFileError& error)
{
    table = PressureTable{};
    CsvOptions options;
    options.separators = kCommaSemicolonOrTab;
    options.requireUtf8 = false;
    options.limits = kPressureFileLimits;
    const CsvTable csv = ReadCsvTable(text, options);
    switch (csv.error) {
    case CsvErrorKind::None:
    case CsvErrorKind::NotUtf8: // not asked for
    case CsvErrorKind::NulByte: // not asked for
        break;
    case CsvErrorKind::ReadError:
        return Fail(error, PressureFileErrorKind::CannotRead, csv.errorLine);
    case CsvErrorKind::UnclosedQuote:
        return Fail(error, PressureFileErrorKind::UnclosedQuote, csv.errorLine);
    case CsvErrorKind::LineTooLong:
        return Fail(error, PressureFileErrorKind::LineTooLong, csv.errorLine);
    case CsvErrorKind::TooManyLines:
        return Fail(error, PressureFileErrorKind::TooManyLines, csv.errorLine);
    }
    PressureTableError tableError;
    if (ReadPressureTable(csv, well, table, tableError))
        return true;
    error = PressureFileError{PressureFileErrorKind::BadTable, tableError.line, 0, tableError};
    return false;
}

bool ReadPressureFile(const std::string& path, const std::string& well, PressureTable& table, PressureFileError& error)
{
    table = PressureTable{};
    // The size before the bytes: a file far beyond the limit is not read at all.
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::is_regular_file(status)) {
        const auto size = std::filesystem::file_size(path, ec);
        if (!ec && size > kMaxPressureFileBytes)
            return Fail(error, PressureFileErrorKind::TooLarge, 0);
    }
    std::string bytes;
    int err = 0;
    if (!ReadWholeFile(path, bytes, err)) {
        Fail(error, PressureFileErrorKind::CannotRead, 0);
        error.systemError = err;
        return false;
    }
    if (bytes.size() > kMaxPressureFileBytes) // grown since
        return Fail(error, PressureFileErrorKind::TooLarge, 0);
    return ReadPressureText(bytes, well, table, error);
}

} // namespace keldo
