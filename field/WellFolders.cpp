#include "WellFolders.h"

#include <set>

#include "AsciiText.h"
#include "Utf8Text.h"

namespace keldo {
namespace {

constexpr size_t kMaxBytes = 80;

bool IsUnsafe(unsigned char c)
{
    return c < 0x20 || c == 0x7F || c == ' ' || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"'
        || c == '<' || c == '>' || c == '|';
}

} // namespace

std::string SafeFolderName(std::string_view well)
{
    std::string name;
    for (char c : well)
        name += IsUnsafe(static_cast<unsigned char>(c)) ? '_' : c;
    name.resize(CutToBytes(name, kMaxBytes).size());
    while (!name.empty() && name.back() == '.')
        name.pop_back();
    if (!name.empty() && name.front() == '.')
        name.front() = '_';
    return name.empty() ? std::string("Bohrung") : name;
}

std::vector<std::string> WellFolderNames(const std::vector<FieldWell>& wells)
{
    std::set<std::string> taken = {"SUMMARY.CSV", "FIELD.SVG", "FIELD.PNG", "FIELD.PDF"};
    std::vector<std::string> folders;
    folders.reserve(wells.size());
    for (const FieldWell& well : wells) {
        const std::string base = SafeFolderName(well.name);
        std::string folder = base;
        for (int n = 2; taken.count(AsciiUpper(folder)); ++n)
            folder = base + "_" + std::to_string(n);
        taken.insert(AsciiUpper(folder));
        folders.push_back(folder);
    }
    return folders;
}

} // namespace keldo
