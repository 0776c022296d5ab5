#include "KeldoDoc.h"
// placeholder until the water-saturation run lands
void CKeldoDoc::ComputeSw() {}
float CKeldoDoc::SwInTeufe(float, float) { return 1; }
