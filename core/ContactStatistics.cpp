#include "KeldoDoc.h"
// placeholder until the statistics land
void CKeldoDoc::KontaktStatistik() {}
void CKeldoDoc::Haeufigkeit() {}
