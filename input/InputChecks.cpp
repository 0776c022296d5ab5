#include "InputChecks.h"

#include <cmath>

#include "InputFields.h"

namespace keldo {

int CheckInputs(CKeldoInputs& in, IMessageBox& messages)
{
    // A document file can carry NaN or infinity, and NaN would slip through
    // every range check below.
    int count = 0;
    const NumberField* fields = NumberFields(count);
    for (int i = 0; i < count; ++i) {
        if (!std::isfinite(in.*fields[i].member)) {
            messages.Show(NotANumberMessage(FieldName(fields[i], in.m_nFluid)));
            return 1;
        }
    }

    // Neither gas nor oil (a document file can carry any number here): no
    // density check would apply and the run would take the gas density for
    // an oil density.
    if (in.m_nFluid != 0 && in.m_nFluid != 1) {
        messages.Show("ABBRUCH!!Bitte wählen Sie die Berechnung des Gas/Wasserkontaktes "
                      "oder des Öl/Wasserkontaktes!");
        return 1;
    }

    if (in.m_fCutoff <= 0.0f) {
        messages.Show("Der Porositäts-Cutoff muss grösser Null sein!");
        in.m_fCutoff = 0.06f;
        return 1;
    }
    // 0.4, 0.55 and 0.97 are compared as doubles: a typed 0.4 (as float a
    // little above) is refused, as is a relative gas density of 0.97.
    if (in.m_fCutoff > 0.4) {
        messages.Show("Der Porositäts-Cutoff muss kleiner 0.4 sein!");
        in.m_fCutoff = 0.06f;
        return 1;
    }
    if (in.m_fInitialdruck <= 1.0f) {
        messages.Show("ABBRUCH!!Der Initialdruck muß größer 1 sein!");
        return 1;
    }
    if (in.m_fKontakt <= 0.0f) {
        messages.Show("ABBRUCH!!Der angenommene Gas-Wasser-Kontakt muß größer Null sein!");
        return 1;
    }
    if (in.m_fPcsperr1 >= 0.0f) {
        messages.Show("ABBRUCH!!Die kapillaren Sperrdrücke Pcsperr müssen abfallen!");
        return 1;
    }
    if (in.m_fSwmin1 >= 0.0f) {
        messages.Show("ABBRUCH!!Die Haftwassersättigung Swmin muß abfallen!");
        return 1;
    }
    if (in.m_fWasserdichte < 950.0f || in.m_fWasserdichte > 1250.0f) {
        messages.Show("ABBRUCH!!Die Wasserdichte liegt nicht im Bereich 950 - 1250!");
        return 1;
    }
    if (in.m_nFluid == 0 && (in.m_fDichteKW < 0.55 || in.m_fDichteKW > 0.97)) {
        messages.Show("ABBRUCH!!Die relative Gasdichte liegt nicht im zulässigen Bereich 0.55 - 0.97!");
        return 1;
    }
    if (in.m_fKontaktwinkel < 0.0f || in.m_fKontaktwinkel > 90.0f) {
        messages.Show("Der Kontaktwinkel Öl/Wasser liegt nicht im  zuläässigen Bereich 0° - 90°!");
        return 1;
    }
    if (in.m_nFluid == 1 && (in.m_fDichteKW < 600.0f || in.m_fDichteKW > 1100.0f)) {
        messages.Show("ABBRUCH!!Die Öldichte liegt nicht im zulässigen Bereich 600 - 1100!");
        return 1;
    }
    if (in.m_fPcMax <= 10.0f) {
        messages.Show("ABBRUCH!!Des Max.Kapillardruck ist zu niedrig!");
        return 1;
    }
    if (in.m_fPhiK0 == 0.0f && in.m_fPhiK1 == 0.0f && in.m_fPhiK2 == 0.0f) {
        messages.Show("WARNUNG!!Die Phi-K-Realation fehlt!\n"
                      "Für die Normierungsparameter wird die Permeabilität K\n"
                      "mit der Porosität Phi gleichgesetzt,d.h. K = Phi");
    }
    if (in.m_fAlfa0 == 0.0f && in.m_fAlfa1 == 0.0f && in.m_fAlfa2 == 0.0f && in.m_fAlfa3 == 0.0f) {
        messages.Show("WARNUNG!!Die Parameter für die Alfa-Funktion fehlen!\n"
                      "Es wird mit folgender Defaultbeziehung gerechnet:\n"
                      "alfa=1.2*pow(K,0.28) + 7.2*pow(K,0.12)");
    }
    if (in.m_fBeta0 == 0.0f && in.m_fBeta1 == 0.0f) {
        messages.Show("ABBRUCH!!Die Parameter für die Beta-Funktion fehlen!");
        return 1;
    }
    return 0;
}

} // namespace keldo
