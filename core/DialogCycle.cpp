#include "KeldoDoc.h"
// placeholder until the dialog cycle lands
void CKeldoDoc::OnDataChange() {}
void CKeldoDoc::OnDateiNeu() {}
