#pragma once
#include "KeldoInputs.h"
#include "MessageBox.h"

namespace keldo {

// The checks made when the user presses OK in the input dialog, in their
// order. A refusing check shows its message and returns 1 at once; the two
// warnings (missing Phi-K relation, missing alfa parameters) show their text
// and go on; 0 means the inputs are accepted. A porosity cut-off out of range
// is reset to 0.06 in `inputs` so the dialog can show the usable value.
int CheckInputs(CKeldoInputs& inputs, IMessageBox& messages);

} // namespace keldo
