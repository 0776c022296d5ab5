#pragma once
#include <string>

#include "InputFields.h"
#include "KeldoInputs.h"
#include "MessageBox.h"

namespace keldo {

// The check of the input dialog that refused the inputs, in the order the
// checks run.
enum class InputCheck {
    Accepted,          // no check refused
    NotANumber,        // a number field holds no finite number (InputRefusal::field)
    NoFluid,           // neither gas nor oil is chosen
    CutoffNotPositive, // porosity cut-off not above 0
    CutoffTooLarge,    // porosity cut-off above 0.4
    InitialPressure,   // not above 1 bar
    Contact,           // the assumed contact not above 0
    Pcsperr,           // Pcsperr does not fall
    Swmin,             // Swmin does not fall
    WaterDensity,      // not in 950 - 1250 kg/m3
    GasDensity,        // relative gas density not in 0.55 - 0.97
    ContactAngle,      // not in 0° - 90°
    OilDensity,        // not in 600 - 1100 kg/m3
    PcMax,             // the maximum capillary pressure not above 10 bar
    BetaMissing,       // no parameters of the beta function
};

// Which input the checks refused, for the caller to act on and to word.
struct InputRefusal {
    InputCheck check = InputCheck::Accepted;
    const NumberField* field = nullptr; // NotANumber: the field without a number
    int fluid = 0;                      // the fluid chosen, whose label the field has

    bool Refused() const { return check != InputCheck::Accepted; }
    bool OfCutoff() const { return check == InputCheck::CutoffNotPositive || check == InputCheck::CutoffTooLarge; }
};

// The checks made when the user presses OK in the input dialog, in their
// order. A refusing check shows its message (RefusalMessage) and ends the
// checks at once; the two warnings (missing Phi-K relation, missing alfa
// parameters) show their text and go on. A porosity cut-off out of range is
// reset to 0.06 in `inputs` so the dialog can show the usable value.
// `phiKFitFollows`: a Phi-K relation is about to be fitted (keldo-batch's
// --fit-phik), so its absence is no reason to warn.
InputRefusal CheckInputFields(CKeldoInputs& inputs, IMessageBox& messages, bool phiKFitFollows = false);

// The same as the dialog's validation: 0 when the inputs are accepted, 1
// when a check refused them.
int CheckInputs(CKeldoInputs& inputs, IMessageBox& messages);

// The message of a refusal, as the check shows it; empty when accepted.
std::string RefusalMessage(const InputRefusal& refusal);

} // namespace keldo
