#include "InputFields.h"

#include <cmath>
#include <iterator>

#include "AsciiText.h"
#include "TextFormat.h"

namespace keldo {
namespace {

const NumberField kFields[] = {
    {&CKeldoInputs::m_fWasserdichte, ControlId::WaterDensity, "Wasserdichte (kg/m3)"},
    {&CKeldoInputs::m_fDichteKW, ControlId::HydrocarbonDensity, "Relative Gasdichte (Luft=1)"},
    {&CKeldoInputs::m_fKontakt, ControlId::Contact, "Gas-Wasser-Kontakt (m)"},
    {&CKeldoInputs::m_fPcMax, ControlId::MaxCapillaryPressure, "Max.Kapillardruck (bar)"},
    {&CKeldoInputs::m_fPhiK0, ControlId::PhiK0, "Phi/K-Relation, 1. Koeffizient"},
    {&CKeldoInputs::m_fPhiK1, ControlId::PhiK1, "Phi/K-Relation, 2. Koeffizient"},
    {&CKeldoInputs::m_fPhiK2, ControlId::PhiK2, "Phi/K-Relation, 3. Koeffizient"},
    {&CKeldoInputs::m_fInitialdruck, ControlId::InitialPressure, "Initialdruck (bar)"},
    {&CKeldoInputs::m_fTemperatur, ControlId::Temperature, "Lagerstättentemperatur (°C)"},
    {&CKeldoInputs::m_fAlfa1, ControlId::Alfa1, "alfa, 2. Koeffizient"},
    {&CKeldoInputs::m_fAlfa0, ControlId::Alfa0, "alfa, 1. Koeffizient"},
    {&CKeldoInputs::m_fAlfa2, ControlId::Alfa2, "alfa, 3. Koeffizient"},
    {&CKeldoInputs::m_fAlfa3, ControlId::Alfa3, "alfa, 4. Koeffizient"},
    {&CKeldoInputs::m_fBeta0, ControlId::Beta0, "beta, 1. Koeffizient"},
    {&CKeldoInputs::m_fBeta1, ControlId::Beta1, "beta, 2. Koeffizient"},
    {&CKeldoInputs::m_fPcsperr0, ControlId::Pcsperr0, "Pcsperr, 1. Koeffizient"},
    {&CKeldoInputs::m_fPcsperr1, ControlId::Pcsperr1, "Pcsperr, 2. Koeffizient"},
    {&CKeldoInputs::m_fSwmin0, ControlId::Swmin0, "Swmin, 1. Koeffizient"},
    {&CKeldoInputs::m_fSwmin1, ControlId::Swmin1, "Swmin, 2. Koeffizient"},
    {&CKeldoInputs::m_fMaxTeufe, ControlId::MaxDepth, "Max. Teufe (m)"},
    {&CKeldoInputs::m_fMinTeufe, ControlId::MinDepth, "Min.Teufe (m)"},
    {&CKeldoInputs::m_fCutoff, ControlId::Cutoff, "Porositäts-Cutoff (-)"},
    {&CKeldoInputs::m_fKontaktwinkel, ControlId::ContactAngle, "Kontaktwinkel Öl/Wasser ( ° )"},
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when all of `s` is one decimal number: sign, digits with an optional
// point, an optional exponent with at least one digit.
bool IsDecimalNumber(std::string_view s)
{
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < s.size() && IsDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    return i == s.size();
}

} // namespace

const NumberField* NumberFields(int& count)
{
    count = static_cast<int>(std::size(kFields));
    return kFields;
}

std::string FieldName(const NumberField& field, int fluid)
{
    if (fluid == 1 && field.id == ControlId::HydrocarbonDensity)
        return "Öldichte (kg/m3)";
    if (fluid == 1 && field.id == ControlId::Contact)
        return "Öl-Wasser-Kontakt (m)";
    return field.name;
}

std::string NotANumberMessage(const std::string& fieldName)
{
    return "Das Feld \"" + fieldName + "\" enthält keine gültige Zahl!";
}

ShownNumber ShowNumber(float value) { return {Format("%.6g", static_cast<double>(value)), value}; }

float AsShownInField(double value)
{
    float shown = 0;
    ParseWholeFloat(Format("%.6g", value), shown);
    return shown;
}

bool ReadBackNumber(std::string_view text, const ShownNumber& shown, float& value)
{
    // A field never shown has an empty text here, which is never a number.
    if (!shown.text.empty() && text == shown.text) {
        value = shown.value;
        return true;
    }
    return ParseFieldNumber(text, value);
}

bool ParseFieldNumber(std::string_view text, float& value)
{
    text = TrimBlanks(text);
    if (!IsDecimalNumber(text))
        return false;
    float v = 0;
    if (ScanFloats(text, &v, 1) != 1 || !std::isfinite(v))
        return false; // too large for a float
    value = v;
    return true;
}

} // namespace keldo
