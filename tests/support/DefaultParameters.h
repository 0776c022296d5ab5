#pragma once
#include "KeldoInputs.h"

// The input dialog's default parameter set ("Default-Werte", gas) with the
// reservoir of the worked examples: 138 °C, PI 200 bar, pressure-dependent
// permeability. Contact, depth window and measurements are left to the test.
inline void SetDefaultGasParameters(CKeldoInputs& in)
{
    in.m_fPcMax = 141.7f;
    in.m_fDichteKW = 0.6f;
    in.m_fWasserdichte = 1070.0f;
    in.m_fTemperatur = 138.0f;
    in.m_fInitialdruck = 200.0f;
    in.m_fAlfa0 = 8.29083f;
    in.m_fAlfa1 = 1.24712f;
    in.m_fAlfa2 = 0.626995f;
    in.m_fAlfa3 = -0.0412589f;
    in.m_fBeta0 = -0.853872f;
    in.m_fBeta1 = -0.5f;
    in.m_fPcsperr0 = 0.503791f;
    in.m_fPcsperr1 = -0.39f;
    in.m_fPhiK0 = -2.56554f;
    in.m_fPhiK1 = 22.0004f;
    in.m_fPhiK2 = 0.0f;
    in.m_fSwmin0 = -0.689505f;
    in.m_fSwmin1 = -0.231293f;
    in.m_nFluid = 0;
    in.m_bDruckabhaengig = 1;
}
