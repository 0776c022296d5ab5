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

// What a number field shows: its text, six significant digits as the fields
// always showed them, and the exact value that text was made from.
struct ShownNumber {
    std::string text;
    float value = 0;
};
ShownNumber ShowNumber(float value);

// The float a number field holds once a computed `value` has been shown in
// it and read back: six significant digits. A fit hands its results over so.
float AsShownInField(double value);

// Reads a number field back. A text the user has not changed gives the exact
// value it was made from, so that showing a value does not round it (a depth
// of 2959.795 shown as "2959.79" stays 2959.795); any other text is parsed as
// ParseFieldNumber does. False when it is no number.
bool ReadBackNumber(std::string_view text, const ShownNumber& shown, float& value);

// True when `text` is one finite decimal number with optional white space
// around it (sign, digits, decimal point, exponent; no nan, inf or hex).
bool ParseFieldNumber(std::string_view text, float& value);

} // namespace keldo
