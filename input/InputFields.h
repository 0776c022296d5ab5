#pragma once
#include <string>
#include <string_view>

#include "ControlIds.h"
#include "KeldoInputs.h"

namespace keldo {

// One number field of the input dialog: the member it edits, its control id
// and the name under which a message refers to it.
struct NumberField {
    float CKeldoInputs::*member;
    ControlId id;
    const char* name;
};

// The number fields in the order of the dialog's data exchange. The contact
// and density fields are named by their gas labels; FieldName gives the label
// that fits the chosen fluid.
const NumberField* NumberFields(int& count);

// The label under which `field` appears while `fluid` (0 gas, 1 oil) is chosen.
std::string FieldName(const NumberField& field, int fluid);

// "Das Feld "<name>" enthält keine gültige Zahl!"
std::string NotANumberMessage(const std::string& fieldName);

// True when `text` is one finite decimal number with optional white space
// around it (sign, digits, decimal point, exponent; no nan, inf or hex).
bool ParseFieldNumber(std::string_view text, float& value);

} // namespace keldo
