#include "CurveChoice.h"

#include <span>

#include "AsciiText.h"
#include "ShortList.h"

namespace keldo {
namespace {

constexpr const char* kPorosityNames[] = {"PHIE", "PHIF", "PHIT", "POR", "PORO", "PHI"};
constexpr const char* kSaturationNames[] = {"SW", "SWE", "SWT", "SWA", "SW_AR"};
constexpr const char* kPermeabilityNames[] = {"PERM", "KLOGH", "K", "KH", "KINT", "KLOG", "PERM_H"};
constexpr const char* kShaleNames[] = {"VSH", "VCL", "VSHALE", "VCLAY"};

std::span<const char* const> PreferenceList(CurveRole role)
{
    switch (role) {
    case CurveRole::Porosity:
        return kPorosityNames;
    case CurveRole::WaterSaturation:
        return kSaturationNames;
    case CurveRole::Permeability:
        return kPermeabilityNames;
    case CurveRole::Shale:
        return kShaleNames;
    case CurveRole::Depth:
    case CurveRole::Other:
        break;
    }
    return {};
}

// The mnemonic without the ":n" that tells duplicates apart.
std::string_view BaseMnemonic(std::string_view mnemonic)
{
    const size_t colon = mnemonic.rfind(':');
    if (colon == std::string_view::npos || colon + 1 == mnemonic.size())
        return mnemonic;
    for (size_t i = colon + 1; i < mnemonic.size(); ++i)
        if (mnemonic[i] < '0' || mnemonic[i] > '9')
            return mnemonic;
    return mnemonic.substr(0, colon);
}

bool BeginsWithWord(std::string_view mnemonic, std::string_view name)
{
    return mnemonic.size() > name.size() && mnemonic[name.size()] == '_'
        && EqualsIgnoringCase(mnemonic.substr(0, name.size()), name);
}

} // namespace

const char* RoleName(CurveRole role)
{
    switch (role) {
    case CurveRole::Depth:
        return "Teufe";
    case CurveRole::Porosity:
        return "Porosität";
    case CurveRole::WaterSaturation:
        return "Wassersättigung";
    case CurveRole::Permeability:
        return "Permeabilität";
    case CurveRole::Shale:
        return "Tonanteil";
    case CurveRole::Other:
        return "zusätzliche Kurve";
    }
    return "";
}

std::optional<size_t> SuggestCurve(const std::vector<LasHeaderItem>& curves, CurveRole role)
{
    if (curves.empty())
        return std::nullopt;
    if (role == CurveRole::Depth)
        return 0;
    for (const char* name : PreferenceList(role))
        for (size_t i = 0; i < curves.size(); ++i)
            if (EqualsIgnoringCase(BaseMnemonic(curves[i].mnemonic), name))
                return i;
    for (const char* name : PreferenceList(role))
        for (size_t i = 0; i < curves.size(); ++i)
            if (BeginsWithWord(BaseMnemonic(curves[i].mnemonic), name))
                return i;
    return std::nullopt;
}

std::string CurveList(const std::vector<LasHeaderItem>& curves)
{
    ShortList list;
    for (const auto& curve : curves)
        list.Add(curve.mnemonic);
    return list.Text();
}

bool ResolveCurve(const std::vector<LasHeaderItem>& curves, std::string_view name, CurveRole role, size_t& index,
    WellDataError& error)
{
    if (name.empty()) {
        if (const auto suggestion = SuggestCurve(curves, role)) {
            index = *suggestion;
            return true;
        }
        error.kind = WellDataErrorKind::NoSuggestion;
        error.line = 0;
        error.curve = role;
        error.detail = std::string("Keine Kurve ist als ") + RoleName(role)
            + " zu erkennen; bitte eine wählen. Kurven der Datei: " + CurveList(curves) + ".";
        return false;
    }
    for (size_t i = 0; i < curves.size(); ++i)
        if (EqualsIgnoringCase(curves[i].mnemonic, name)) {
            index = i;
            return true;
        }
    error.kind = WellDataErrorKind::UnknownCurve;
    error.line = 0;
    error.curve = role;
    error.detail = "Die Kurve \"" + std::string(name) + "\" (" + RoleName(role)
        + ") gibt es in der Datei nicht. Kurven der Datei: " + CurveList(curves) + ".";
    return false;
}

DepthKind DepthKindOf(std::string_view mnemonic)
{
    const std::string upper = AsciiUpper(BaseMnemonic(mnemonic));
    if (upper.find("TVD") == std::string::npos)
        return DepthKind::Measured;
    if (upper.find("SS") != std::string::npos || upper.find("MSL") != std::string::npos)
        return DepthKind::BelowSeaLevel;
    return DepthKind::TrueVertical;
}

} // namespace keldo
