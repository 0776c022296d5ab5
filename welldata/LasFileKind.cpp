#include "LasFileKind.h"

#include <fstream>

#include "TextHelpers.h"
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
    std::string_view text = start;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = TrimBlanks(text.substr(0, end));
        if (!line.empty() && line.front() != '#')
            return line.size() >= 2 && line[0] == '~' && (line[1] == 'V' || line[1] == 'v');
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return false;
}

bool IsLasFile(const std::string& path)
{
    if (HasLasExtension(path))
        return true;
    // Only a regular file is looked into: a named pipe would block.
    std::ifstream in;
    WellDataError ignored;
    return OpenWellDataFile(path, in, ignored) && BeginsLikeLas(in);
}

} // namespace keldo
