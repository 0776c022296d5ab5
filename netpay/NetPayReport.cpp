#include "NetPayReport.h"

#include <cmath>

#include "CsvFields.h"
#include "TextFormat.h"

namespace keldo {

std::string BlockValue(double value, int decimals)
{
    return std::isfinite(value) ? Format("%10.*f", decimals, value) : std::string(9, ' ') + "-";
}

std::string CsvValue(double value, int decimals)
{
    return std::isfinite(value) ? Format("%.*f", decimals, value) : std::string();
}

std::vector<std::string> NetPayLines(const NetPay& n, const NetPayCutoffs& cutoffs, bool shaleCurve)
{
    std::vector<std::string> lines;
    lines.push_back(Labelled("Messwerte im Teufenbereich", "-", Format("%10d", n.rows)));
    lines.push_back(Labelled("Porositäts-Cutoff (netto ab)", "-", BlockValue(cutoffs.porosity, 4)));
    if (shaleCurve)
        lines.push_back(Labelled("Tonanteil-Cutoff (netto bis)", "-", BlockValue(cutoffs.shale, 4)));
    else
        lines.push_back("  Ohne Tonanteilkurve: netto nach der Porosität allein");
    lines.push_back(Labelled("Sw-Cutoff (Pay bis)", "-", BlockValue(cutoffs.sw, 4)));
    lines.push_back(Labelled("Bruttomächtigkeit", "m", BlockValue(n.gross, 3)));
    lines.push_back(Labelled("Nettomächtigkeit", "m", BlockValue(n.net, 3)));
    lines.push_back(Labelled("Nutzmächtigkeit (Pay)", "m", BlockValue(n.pay, 3)));
    lines.push_back(Labelled("Netto/Brutto", "-", BlockValue(n.netToGross, 4)));
    lines.push_back(Labelled("Mittlere Porosität netto", "-", BlockValue(n.porosity, 4)));
    lines.push_back(Labelled("Mittlere Sw netto (Porenvolumen)", "-", BlockValue(n.sw, 4)));
    lines.push_back(Labelled("KW-Porenmächtigkeit, Sw aus Log", "m", BlockValue(n.hcptLog, 3)));
    lines.push_back(Labelled("KW-Porenmächtigkeit, Sw Modell", "m", BlockValue(n.hcptModel, 3)));
    return lines;
}

std::vector<std::string> NetPayBlock(const NetPay& netPay, const NetPayCutoffs& cutoffs, bool shaleCurve)
{
    std::vector<std::string> lines{"", "  NETTO-, NUTZ- UND KW-PORENMÄCHTIGKEIT"};
    for (std::string& line : NetPayLines(netPay, cutoffs, shaleCurve))
        lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> NetPayCsvColumns()
{
    return {"gross", "net", "pay", "ntg", "phi_net", "sw_net", "hcpt_log", "hcpt_model"};
}

std::string NetPayCsvHeader()
{
    std::vector<std::string> fields{"well"};
    for (std::string& column : NetPayCsvColumns())
        fields.push_back(std::move(column));
    return CsvLine(fields);
}

std::vector<std::string> NetPayCsvFields(const NetPay& n)
{
    return {CsvValue(n.gross, 3), CsvValue(n.net, 3), CsvValue(n.pay, 3), CsvValue(n.netToGross, 4),
        CsvValue(n.porosity, 4), CsvValue(n.sw, 4), CsvValue(n.hcptLog, 3), CsvValue(n.hcptModel, 3)};
}

std::string CsvLine(const std::vector<std::string>& fields)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += CsvField(fields[i]);
    }
    return line + "\n";
}

std::string NetPayCsvLine(const std::string& well, const NetPay& netPay)
{
    std::vector<std::string> fields{well};
    for (std::string& field : NetPayCsvFields(netPay))
        fields.push_back(std::move(field));
    return CsvLine(fields);
}

} // namespace keldo
