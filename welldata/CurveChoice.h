#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CurveRole.h"
#include "LasHeaderLine.h"
#include "WellDataError.h"

// Which LAS curves give depth, porosity, water saturation (and permeability,
// shale volume):
// suggestions from the mnemonics, and names given by the user.
namespace keldo {

// The role's German name for messages and the dialog ("Porosität").
const char* RoleName(CurveRole role);

// The curve suggested for a role. Depth: the index curve (the first). The
// others: the first curve whose mnemonic is, without regard to case, the first
// name of the role's preference list that occurs; failing that, the first
// curve whose mnemonic begins with a listed name followed by "_" (PHIE_2), in
// list order. A ":n" added to a duplicate mnemonic is not part of the name.
//   porosity:         PHIE PHIF PHIT POR PORO PHI
//   water saturation: SW SWE SWT SWA SW_AR
//   permeability:     PERM KLOGH K KH KINT KLOG PERM_H
//   shale volume:     VSH VCL VSHALE VCLAY
// Effective porosity first, as the model takes it; the plain SW first, as an
// interpretation names its final saturation so.
std::optional<size_t> SuggestCurve(const std::vector<LasHeaderItem>& curves, CurveRole role);

// The curve called `name` (mnemonic as the header shows it, "GR:2" for a
// duplicate; without regard to case) or, for an empty name, the suggestion.
// Errors: UnknownCurve, NoSuggestion; their message lists the curves.
bool ResolveCurve(const std::vector<LasHeaderItem>& curves, std::string_view name, CurveRole role, size_t& index,
    WellDataError& error);

// What a depth curve measures, from its mnemonic: one holding "TVD" is a true
// vertical depth, and one that also holds "SS" or "MSL" (TVDSS, SSTVD,
// TVD_MSL) is already below sea level; all others are measured along the hole.
enum class DepthKind { Measured, TrueVertical, BelowSeaLevel };
DepthKind DepthKindOf(std::string_view mnemonic);

// "DEPTH, BVW, KLOGH, PHIF, SW, VSH"; beyond the first kMostListed names only
// their number ("… und 1990 weitere").
std::string CurveList(const std::vector<LasHeaderItem>& curves);

} // namespace keldo
