#include "KeldoDoc.h"
// placeholder until the model lands
float CKeldoDoc::PermeabilitaetAusPhi(float) { return 0; }
double CKeldoDoc::Keff(float, float) { return 0; }
float CKeldoDoc::Swmin(double) { return 1; }
double CKeldoDoc::PcSperr(double) { return 0; }
double CKeldoDoc::Alfa(double) { return 0; }
double CKeldoDoc::Beta(double) { return 0; }
double CKeldoDoc::HoeheUeberKontakt(float, double, float) { return 0; }
