#include "KeldoDoc.h"
// placeholder until the fluid properties land
double CKeldoDoc::GrenzflaechenspannungGW() { return 0; }
double CKeldoDoc::FaktorPc() { return 0; }
float CKeldoDoc::Gasdichte() { return 0; }
void CKeldoDoc::ReportHeader() { m_Ergebnisse.clear(); }
