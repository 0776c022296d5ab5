#include "InputFields.h"

#include <cmath>
#include <iterator>

#include "TextFormat.h"

namespace keldo {
namespace {

const NumberField kFields[] = {
    {&CKeldoInputs::m_fWasserdichte, 1006, "Wasserdichte (kg/m3)"},
    {&CKeldoInputs::m_fDichteKW, 1004, "Relative Gasdichte (Luft=1)"},
    {&CKeldoInputs::m_fKontakt, 1003, "Gas-Wasser-Kontakt (m)"},
    {&CKeldoInputs::m_fPcMax, 1002, "Max.Kapillardruck (bar)"},
    {&CKeldoInputs::m_fPhiK0, 1008, "Phi/K-Relation, 1. Koeffizient"},
    {&CKeldoInputs::m_fPhiK1, 1009, "Phi/K-Relation, 2. Koeffizient"},
    {&CKeldoInputs::m_fPhiK2, 1010, "Phi/K-Relation, 3. Koeffizient"},
    {&CKeldoInputs::m_fInitialdruck, 1001, "Initialdruck (bar)"},
    {&CKeldoInputs::m_fTemperatur, 1005, "Lagerstättentemperatur (°C)"},
    {&CKeldoInputs::m_fAlfa1, 1012, "alfa, 2. Koeffizient"},
    {&CKeldoInputs::m_fAlfa0, 1011, "alfa, 1. Koeffizient"},
    {&CKeldoInputs::m_fAlfa2, 1013, "alfa, 3. Koeffizient"},
    {&CKeldoInputs::m_fAlfa3, 1014, "alfa, 4. Koeffizient"},
    {&CKeldoInputs::m_fBeta0, 1015, "beta, 1. Koeffizient"},
    {&CKeldoInputs::m_fBeta1, 1016, "beta, 2. Koeffizient"},
    {&CKeldoInputs::m_fPcsperr0, 1019, "Pcsperr, 1. Koeffizient"},
    {&CKeldoInputs::m_fPcsperr1, 1020, "Pcsperr, 2. Koeffizient"},
    {&CKeldoInputs::m_fSwmin0, 1017, "Swmin, 1. Koeffizient"},
    {&CKeldoInputs::m_fSwmin1, 1018, "Swmin, 2. Koeffizient"},
    {&CKeldoInputs::m_fMaxTeufe, 1030, "Max. Teufe (m)"},
    {&CKeldoInputs::m_fMinTeufe, 1029, "Min.Teufe (m)"},
    {&CKeldoInputs::m_fCutoff, 1031, "Porositäts-Cutoff (-)"},
    {&CKeldoInputs::m_fKontaktwinkel, 1037, "Kontaktwinkel Öl/Wasser ( ° )"},
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

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
    if (fluid == 1 && field.id == 1004)
        return "Öldichte (kg/m3)";
    if (fluid == 1 && field.id == 1003)
        return "Öl-Wasser-Kontakt (m)";
    return field.name;
}

std::string NotANumberMessage(const std::string& fieldName)
{
    return "Das Feld \"" + fieldName + "\" enthält keine gültige Zahl!";
}

bool ParseFieldNumber(std::string_view text, float& value)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (!IsDecimalNumber(text))
        return false;
    float v = 0;
    if (ScanFloats(text, &v, 1) != 1 || !std::isfinite(v))
        return false; // too large for a float
    value = v;
    return true;
}

} // namespace keldo
