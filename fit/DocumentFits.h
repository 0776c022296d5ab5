#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ContactFit.h"
#include "KeldoInputs.h"

class CKeldoDoc;

// What the program's fit dialog and keldo-batch share when they fit a
// document: the names of the pairs' sources, and the contact fit of the
// document's own water-saturation run, so that both give the same numbers
// for the same data.
namespace keldo {

// "Kerntabelle F" and "LAS-Datei F, Kurve M (mD)": the source as the fit
// report names it.
std::string CoreTableSource(const std::string& path);
std::string LasPermeabilitySource(const std::string& lasFile, const std::string& mnemonic);

// The note for a permeability curve whose unit is not known.
std::string UnknownPermeabilityUnitMessage(const std::string& unit, const std::string& mnemonic);

// The contact fit of the water-saturation run of `inputs` (its model, depth
// window and cut-off) on `lines`, over `range` or, without one, over the
// default range of the window. Besides the refusals of FitContact, fails
// with a German message when the window holds no line and when the fitted
// contact is not above 0, which the input dialog would refuse on its next OK.
ContactFitResult FitDocumentContact(
    const CKeldoInputs& inputs, const std::vector<std::string>& lines, std::optional<ContactRange> range);

// The capillary-pressure model's ten coefficients and Pc max, as the
// document holds them (m_fAlfa0…3, m_fBeta0…1, m_fSwmin0…1, m_fPcsperr0…1,
// m_fPcMax).
struct FittedCapillaryModel {
    std::array<float, 4> alfa{};
    std::array<float, 2> beta{}, swmin{}, pcsperr{};
    float pcMax = 0;
};
FittedCapillaryModel FittedCapillaryFrom(const CKeldoInputs& inputs);

// The fitted values that "Übernehmen" writes into a document: each only when
// it was fitted.
struct FittedValues {
    std::optional<std::array<float, 3>> phiK;                     // as the document's Phi-K fields hold them
    std::optional<float> contact;                                 // m_fKontakt
    std::optional<FittedCapillaryModel> capillary = std::nullopt; // from the core capillary-pressure data

    bool Any() const { return phiK || contact || capillary; }
    void WriteInto(CKeldoInputs& inputs) const;
};

// "Übernehmen" of the fit dialog: writes `values` into `doc` and marks it
// modified (saving keeps them, not saving undoes them). Its results no longer
// belong to its inputs, so it is computed again at once when it has
// measurements and its inputs pass the input dialog's checks; else the next
// computation uses them. The views are updated either way.
void TakeOverFit(CKeldoDoc& doc, const FittedValues& values);

} // namespace keldo
