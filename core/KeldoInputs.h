#pragma once
#include <string>
#include <vector>

// Every input that the input dialog edits and that the dialog cycle compares
// when the user presses OK. The document and the dialog carry them under the
// same names; "Mit Warnungen" is not among them (it is never compared).
struct CKeldoInputs {
    std::string m_strBohrung = "Name der Bohrung";
    float m_fInitialdruck = 0;
    float m_fPcMax = 0;
    float m_fKontakt = 0;
    float m_fDichteKW = 0;
    float m_fTemperatur = 0;
    float m_fWasserdichte = 0;
    float m_fPhiK0 = 0, m_fPhiK1 = 0, m_fPhiK2 = 0;
    float m_fAlfa0 = 0, m_fAlfa1 = 0, m_fAlfa2 = 0, m_fAlfa3 = 0;
    float m_fBeta0 = 0, m_fBeta1 = 0;
    float m_fSwmin0 = 0, m_fSwmin1 = 0;
    float m_fPcsperr0 = 0, m_fPcsperr1 = 0;
    float m_fMinTeufe = 0;
    float m_fMaxTeufe = 0;
    float m_fCutoff = 0.06f;
    float m_fKontaktwinkel = 0;
    int m_nModus = 0;          // 0 water saturation, 1 contact
    int m_nFluid = 0;          // 0 gas, 1 oil
    int m_bDetail = 0;         // "Detailausgabe"
    int m_bDruckabhaengig = 1; // "Permeabilität druckabhängig"

    // Exact comparison: floats equal only when they are the same number,
    // the well name case-sensitively.
    bool operator==(const CKeldoInputs&) const = default;
};

// What the input dialog works on for one dialog cycle: the inputs, the
// measurement lines and "Mit Warnungen".
struct CDlgInputValues : CKeldoInputs {
    std::vector<std::string> m_Messwerte;
    int m_bWarnungen = 0;
    bool m_depthsBelowSeaLevel = false; // of m_Messwerte, as CKeldoDoc holds it
    std::vector<double> m_shaleVolumes; // of m_Messwerte, as CKeldoDoc holds it
};
