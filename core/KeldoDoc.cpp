#include "KeldoDoc.h"

#include "TextFormat.h"

CKeldoDoc::CKeldoDoc(keldo::IMessageBox& messages, keldo::IDocumentHost* host) : m_pMessages(&messages), m_pHost(host)
{}

bool CKeldoDoc::OnNewDocument()
{
    m_strPathName.clear();
    m_strTitle = "Unbenannt"; // the framework's name for a document never saved
    m_bModified = false;
    ResetInputs();
    return true;
}

void CKeldoDoc::ResetInputs()
{
    // Only the inputs; measurements, results, "Mit Warnungen" and the derived
    // members stay as they are.
    static_cast<CKeldoInputs&>(*this) = CKeldoInputs{};
}

void CKeldoDoc::SetValuesAfterLoading()
{
    m_nModus = 0;
    m_bGeaendert = 1;
    m_bDetail = 0;
    m_fMaxTeufe = 0;
    m_fMinTeufe = 0;
    m_fCutoff = 0.06f;
    m_bDruckabhaengig = 1;
}

void CKeldoDoc::SetPathName(const std::string& path)
{
    m_strPathName = path;
    auto slash = path.find_last_of('/');
    m_strTitle = slash == std::string::npos ? path : path.substr(slash + 1);
}

int CKeldoDoc::AddLine(StringArray& list, const std::string& line)
{
    list.push_back(line);
    return static_cast<int>(list.size()) - 1;
}

void CKeldoDoc::InitGrafik()
{
    m_X.fill(0);
    m_Y.fill(0);
    m_Y1.fill(0);
    m_Y2.fill(0);
    m_MaxWerte = 0;
    m_nYAchsen = 1;
    m_bGitter = 1;
    m_strTitel.clear();
    m_strUntertitel1.clear();
    m_strUntertitel2.clear();
    SetSaturationGraphTexts();
}

void CKeldoDoc::SetSaturationGraphTexts()
{
    m_strXAchse = "Vertikale Teufe TVD (m)";
    m_strY1Achse = "Porosität(-)";
    m_strYAchse = "Sw(-)";
    m_strLegende1 = "Sw gemessen ";
    m_strLegende3 = "Sw berechnet";
    m_strLegende2 = "  Porosität ";
}

void CKeldoDoc::Compute()
{
    if (m_pHost)
        m_pHost->BeginWaitCursor();
    m_Kontakte.clear();
    // A run that stops before its statistics leaves no range of the run before.
    m_fKontaktMin = 0;
    m_fKontaktMax = 0;
    m_KontaktKlassen = {};
    m_KontakteKlasse1.clear();
    InitGrafik();
    ReportHeader();
    if (m_nModus != 0) {
        if (ComputeKontakte())
            KontaktStatistik();
    } else {
        ComputeSw();
    }
    m_bSkaliert = 0;
    if (m_pHost)
        m_pHost->EndWaitCursor();
}

bool CKeldoDoc::PruefeTeufenbereich()
{
    bool bLesbar = false;
    for (const std::string& zeile : m_Messwerte) {
        float werte[3];
        if (keldo::ScanFloats(zeile, werte, 3) < 3)
            continue;
        if (werte[0] >= m_fMinTeufe && werte[0] <= m_fMaxTeufe)
            return true;
        bLesbar = true;
    }
    // Lines that give no numbers at all are the runs' own concern.
    if (!bLesbar)
        return true;
    // The bounds as the input dialog shows them.
    m_strZeile = keldo::Format("ABBRUCH!!Im Teufenbereich von %g m bis %g m liegt kein Messwert!",
        static_cast<double>(m_fMinTeufe), static_cast<double>(m_fMaxTeufe));
    AddLine(m_Ergebnisse, m_strZeile);
    Message(m_strZeile);
    return false;
}
