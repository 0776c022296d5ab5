#include "KeldoDoc.h"
// placeholder until the contact run lands
void CKeldoDoc::ComputeKontakte() {}
void CKeldoDoc::SwProfil(float, float, float) {}
