#include "LasFileKind.h"

#include <istream>

#include "AsciiText.h"
#include "LineReader.h"
#include "WellDataFile.h"

namespace keldo {
namespace {

// Far more than any blank lines and comments before a version section.
constexpr std::streamsize kLookedAt = 64 * 1024;

} // namespace

bool HasLasExtension(std::string_view path)
{
    return path.size() >= 4 && EqualsIgnoringCase(path.substr(path.size() - 4), ".las");
}

bool BeginsLikeLas(std::istream& in)
{
    std::string start(static_cast<size_t>(kLookedAt), '\0');
    in.read(start.data(), kLookedAt);
    start.resize(static_cast<size_t>(in.gcount()));
    LineReader lines(start, LineLimits{});
    std::string_view line;
    while (lines.Next(line) == LineReader::Result::Line) {
        const std::string_view text = TrimBlanks(line);
        if (!text.empty() && text.front() != '#')
            return text.size() >= 2 && text[0] == '~' && (text[1] == 'V' || text[1] == 'v');
    }
    return false;
}

bool IsLasFile(const std::string& path)
{
    if (HasLasExtension(path))
        return true;
    // Only a regular file is looked into: a named pipe would block.
    InputFile in;
    WellDataError ignored;
    return OpenWellDataFile(path, in, ignored) && BeginsLikeLas(in.Stream());
}

} // namespace keldo
