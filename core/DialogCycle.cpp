#include "KeldoDoc.h"

namespace {

bool AllAlfaZero(const CKeldoInputs& in)
{
    return in.m_fAlfa0 == 0.0f && in.m_fAlfa1 == 0.0f && in.m_fAlfa2 == 0.0f && in.m_fAlfa3 == 0.0f;
}

} // namespace

void CKeldoDoc::OnDataChange()
{
    if (!m_pHost)
        return; // no application around the document: nothing to show

    CDlgInputValues dlg;
    static_cast<CKeldoInputs&>(dlg) = static_cast<const CKeldoInputs&>(*this);
    dlg.m_Messwerte = m_Messwerte;
    dlg.m_depthsBelowSeaLevel = m_depthsBelowSeaLevel;
    dlg.m_shaleVolumes = m_shaleVolumes;
    dlg.m_bWarnungen = 0; // "Mit Warnungen" opens unchecked every time

    if (!m_pHost->RunInputDialog(dlg))
        return; // cancelled: the document stays exactly as it was

    // The measurement lines are not compared: a new file alone does not make
    // the results outdated. An all-zero alfa set always counts as a change.
    const bool unchanged
        = static_cast<const CKeldoInputs&>(dlg) == static_cast<const CKeldoInputs&>(*this) && !AllAlfaZero(dlg);
    if (unchanged) {
        m_bGeaendert = 0;
    } else {
        m_bGeaendert = 1;
        SetModifiedFlag(true);
    }

    // An empty list in the dialog keeps the document's lines.
    if (!dlg.m_Messwerte.empty()) {
        m_Messwerte = std::move(dlg.m_Messwerte);
        m_depthsBelowSeaLevel = dlg.m_depthsBelowSeaLevel;
        m_shaleVolumes = std::move(dlg.m_shaleVolumes);
    }
    static_cast<CKeldoInputs&>(*this) = static_cast<const CKeldoInputs&>(dlg);
    m_bWarnungen = dlg.m_bWarnungen;

    if (m_bGeaendert == 1)
        Compute();
    UpdateAllViews();
}

void CKeldoDoc::OnDateiNeu()
{
    ResetInputs();
    OnDataChange();
}
