#include "InputChecks.h"

#include <cmath>

namespace keldo {
namespace {

// The first check before the warnings that refuses `in`.
InputRefusal RefusalBeforeWarnings(const CKeldoInputs& in)
{
    InputRefusal refusal;
    refusal.fluid = in.m_nFluid;
    const auto refuse = [&](InputCheck check) {
        refusal.check = check;
        return refusal;
    };

    // A document file can carry NaN or infinity, and NaN would slip through
    // every range check below.
    int count = 0;
    const NumberField* fields = NumberFields(count);
    for (int i = 0; i < count; ++i) {
        if (!std::isfinite(in.*fields[i].member)) {
            refusal.field = &fields[i];
            return refuse(InputCheck::NotANumber);
        }
    }

    // Neither gas nor oil (a document file can carry any number here): no
    // density check would apply and the run would take the gas density for
    // an oil density.
    if (in.m_nFluid != 0 && in.m_nFluid != 1)
        return refuse(InputCheck::NoFluid);

    if (in.m_fCutoff <= 0.0f)
        return refuse(InputCheck::CutoffNotPositive);
    // 0.4, 0.55 and 0.97 are compared as doubles: a typed 0.4 (as float a
    // little above) is refused, as is a relative gas density of 0.97.
    if (in.m_fCutoff > 0.4)
        return refuse(InputCheck::CutoffTooLarge);
    if (in.m_fInitialdruck <= 1.0f)
        return refuse(InputCheck::InitialPressure);
    if (in.m_fKontakt <= 0.0f)
        return refuse(InputCheck::Contact);
    if (in.m_fPcsperr1 >= 0.0f)
        return refuse(InputCheck::Pcsperr);
    if (in.m_fSwmin1 >= 0.0f)
        return refuse(InputCheck::Swmin);
    if (in.m_fWasserdichte < 950.0f || in.m_fWasserdichte > 1250.0f)
        return refuse(InputCheck::WaterDensity);
    if (in.m_nFluid == 0 && (in.m_fDichteKW < 0.55 || in.m_fDichteKW > 0.97))
        return refuse(InputCheck::GasDensity);
    if (in.m_fKontaktwinkel < 0.0f || in.m_fKontaktwinkel > 90.0f)
        return refuse(InputCheck::ContactAngle);
    if (in.m_nFluid == 1 && (in.m_fDichteKW < 600.0f || in.m_fDichteKW > 1100.0f))
        return refuse(InputCheck::OilDensity);
    if (in.m_fPcMax <= 10.0f)
        return refuse(InputCheck::PcMax);
    return refusal;
}

void ShowWarnings(const CKeldoInputs& in, IMessageBox& messages, bool phiKFitFollows)
{
    if (!phiKFitFollows && in.m_fPhiK0 == 0.0f && in.m_fPhiK1 == 0.0f && in.m_fPhiK2 == 0.0f) {
        messages.Show("WARNUNG!!Die Phi-K-Realation fehlt!\n"
                      "Für die Normierungsparameter wird die Permeabilität K\n"
                      "mit der Porosität Phi gleichgesetzt,d.h. K = Phi");
    }
    if (in.m_fAlfa0 == 0.0f && in.m_fAlfa1 == 0.0f && in.m_fAlfa2 == 0.0f && in.m_fAlfa3 == 0.0f) {
        messages.Show("WARNUNG!!Die Parameter für die Alfa-Funktion fehlen!\n"
                      "Es wird mit folgender Defaultbeziehung gerechnet:\n"
                      "alfa=1.2*pow(K,0.28) + 7.2*pow(K,0.12)");
    }
}

} // namespace

InputRefusal CheckInputFields(CKeldoInputs& in, IMessageBox& messages, bool phiKFitFollows)
{
    InputRefusal refusal = RefusalBeforeWarnings(in);
    if (!refusal.Refused()) {
        ShowWarnings(in, messages, phiKFitFollows);
        if (in.m_fBeta0 == 0.0f && in.m_fBeta1 == 0.0f)
            refusal.check = InputCheck::BetaMissing;
    }
    if (refusal.Refused())
        messages.Show(RefusalMessage(refusal));
    if (refusal.OfCutoff())
        in.m_fCutoff = 0.06f;
    return refusal;
}

int CheckInputs(CKeldoInputs& in, IMessageBox& messages) { return CheckInputFields(in, messages).Refused() ? 1 : 0; }

std::string RefusalMessage(const InputRefusal& refusal)
{
    switch (refusal.check) {
    case InputCheck::Accepted:
        return {};
    case InputCheck::NotANumber:
        return NotANumberMessage(refusal.field ? FieldName(*refusal.field, refusal.fluid) : std::string());
    case InputCheck::NoFluid:
        return "ABBRUCH!!Bitte wählen Sie die Berechnung des Gas/Wasserkontaktes oder des Öl/Wasserkontaktes!";
    case InputCheck::CutoffNotPositive:
        return "Der Porositäts-Cutoff muss grösser Null sein!";
    case InputCheck::CutoffTooLarge:
        return "Der Porositäts-Cutoff muss kleiner 0.4 sein!";
    case InputCheck::InitialPressure:
        return "ABBRUCH!!Der Initialdruck muß größer 1 sein!";
    case InputCheck::Contact:
        return "ABBRUCH!!Der angenommene Gas-Wasser-Kontakt muß größer Null sein!";
    case InputCheck::Pcsperr:
        return "ABBRUCH!!Die kapillaren Sperrdrücke Pcsperr müssen abfallen!";
    case InputCheck::Swmin:
        return "ABBRUCH!!Die Haftwassersättigung Swmin muß abfallen!";
    case InputCheck::WaterDensity:
        return "ABBRUCH!!Die Wasserdichte liegt nicht im Bereich 950 - 1250!";
    case InputCheck::GasDensity:
        return "ABBRUCH!!Die relative Gasdichte liegt nicht im zulässigen Bereich 0.55 - 0.97!";
    case InputCheck::ContactAngle:
        return "Der Kontaktwinkel Öl/Wasser liegt nicht im  zuläässigen Bereich 0° - 90°!";
    case InputCheck::OilDensity:
        return "ABBRUCH!!Die Öldichte liegt nicht im zulässigen Bereich 600 - 1100!";
    case InputCheck::PcMax:
        return "ABBRUCH!!Des Max.Kapillardruck ist zu niedrig!";
    case InputCheck::BetaMissing:
        return "ABBRUCH!!Die Parameter für die Beta-Funktion fehlen!";
    }
    return {};
}

} // namespace keldo
