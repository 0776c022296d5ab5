#include "CurveColumns.h"

#include <cmath>

#include "TextFormat.h"

namespace keldo {

std::array<CurveColumnInfo, kCurveColumnCount> CurveColumns(DepthReference depth, int fluid)
{
    const bool tvdss = depth == DepthReference::Tvdss;
    // Depth to the millimetre and porosity and saturations to 5 decimals, as
    // the measurement lines hold them; the contact to 3 where the contact
    // report prints 1, the permeability to 4 as the report prints K.
    return {{
        {tvdss ? "TVDSS" : "TVD", "M",
            tvdss ? "Vertikale Teufe unter Meeresspiegel TVDSS" : "Vertikale Teufe TVD", 3},
        {"PHI", "V/V", "Porositaet", 5},
        {"SW", "V/V", "Wassersaettigung nach Log", 5},
        {"SW_MOD", "V/V", "Wassersaettigung des Modells beim angenommenen Kontakt", 5},
        {"KEFF", "MD", "Effektive Permeabilitaet", 4},
        {"SWMIN", "V/V", "Minimale Wassersaettigung", 5},
        {"HAC", "M", "Hoehe ueber dem angenommenen Kontakt", 3},
        {"CONTACT", "M",
            fluid == 0 ? "Gas-Wasser-Kontakt aus dem Messwert" : "Oel-Wasser-Kontakt aus dem Messwert", 3},
        {"NET", "", "Netto-Speichergestein (1 ja, 0 nein)", 0},
        {"PAY", "", "Kohlenwasserstofffuehrend netto, Pay (1 ja, 0 nein)", 0},
    }};
}

double CurveValue(const CurveRow& row, CurveColumn column)
{
    switch (column) {
    case CurveColumn::Depth:
        return row.depth;
    case CurveColumn::Porosity:
        return row.porosity;
    case CurveColumn::Sw:
        return row.sw;
    case CurveColumn::ModelSw:
        return row.modelSw;
    case CurveColumn::Keff:
        return row.keff;
    case CurveColumn::Swmin:
        return row.swmin;
    case CurveColumn::Height:
        return row.heightAboveContact;
    case CurveColumn::Contact:
        return row.contact;
    case CurveColumn::Net:
        return row.net ? 1 : 0;
    case CurveColumn::Pay:
        break;
    }
    return row.pay ? 1 : 0;
}

void AppendCurveValue(
    std::string& out, const CurveRow& row, CurveColumn column, int decimals, int width, std::string_view none)
{
    const double value = CurveValue(row, column);
    if (std::isfinite(value)) {
        AppendFixed(out, value, width, decimals);
        return;
    }
    if (static_cast<int>(none.size()) < width)
        out.append(static_cast<size_t>(width) - none.size(), ' ');
    out += none;
}

} // namespace keldo
