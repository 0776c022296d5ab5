#include "WellGraphs.h"

namespace keldo {

void CopyGraph(const CKeldoDoc& from, CKeldoDoc& to)
{
    static_cast<CKeldoInputs&>(to) = from;
    to.m_strTitel = from.m_strTitel;
    to.m_strUntertitel1 = from.m_strUntertitel1;
    to.m_strUntertitel2 = from.m_strUntertitel2;
    to.m_strXAchse = from.m_strXAchse;
    to.m_strYAchse = from.m_strYAchse;
    to.m_strYAchse2 = from.m_strYAchse2;
    to.m_strY1Achse = from.m_strY1Achse;
    to.m_strLegende1 = from.m_strLegende1;
    to.m_strLegende2 = from.m_strLegende2;
    to.m_strLegende3 = from.m_strLegende3;
    to.m_nYAchsen = from.m_nYAchsen;
    to.m_MaxWerte = from.m_MaxWerte;
    to.m_bGitter = from.m_bGitter;
    to.m_bSkaliert = from.m_bSkaliert;
    to.m_X = from.m_X;
    to.m_Y = from.m_Y;
    to.m_Y1 = from.m_Y1;
    to.m_Y2 = from.m_Y2;
    to.m_fKontaktMin = from.m_fKontaktMin;
    to.m_fKontaktMax = from.m_fKontaktMax;
    to.SetPathName(from.GetPathName());
    to.SetTitle(from.GetTitle());
}

} // namespace keldo
