#include "LasLog.h"

#include <map>

#include "AsciiText.h"
#include "CurveUnits.h"
#include "NumberText.h"

namespace keldo {

const LasHeaderItem* FindHeaderItem(const std::vector<LasHeaderItem>& items, std::string_view mnemonic)
{
    for (const auto& item : items)
        if (EqualsIgnoringCase(item.mnemonic, mnemonic))
            return &item;
    return nullptr;
}

std::string WellName(const LasHeader& header)
{
    const LasHeaderItem* well = FindHeaderItem(header.well, "WELL");
    return well ? well->value : std::string();
}

std::optional<double> ElevationFromHeader(const LasHeader& header)
{
    // Kelly bushing, derrick floor, log zero, the reference named by the
    // file, a plain elevation: the first that holds a number is the datum the
    // depths are measured from.
    for (const char* mnemonic : {"EKB", "EDF", "ELZ", "EREF", "ELEV"}) {
        const LasHeaderItem* item = FindHeaderItem(header.well, mnemonic);
        double value = 0;
        if (item && ParseNumber(TrimBlanks(item->value), value))
            return DepthUnit(item->unit).Apply(value);
    }
    return std::nullopt;
}

std::vector<std::string> UniqueMnemonics(const std::vector<std::string>& mnemonics)
{
    std::vector<std::string> unique;
    unique.reserve(mnemonics.size());
    std::map<std::string, size_t> occurrences;
    for (const auto& m : mnemonics)
        ++occurrences[m.empty() ? "UNKNOWN" : m];
    std::map<std::string, size_t> numbered;
    for (const auto& m : mnemonics) {
        std::string name = m.empty() ? "UNKNOWN" : m;
        if (occurrences[name] > 1)
            name += ":" + std::to_string(++numbered[name]);
        unique.push_back(std::move(name));
    }
    return unique;
}

} // namespace keldo
