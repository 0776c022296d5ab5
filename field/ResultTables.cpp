#include "ResultTables.h"

#include "NetPayReport.h"

namespace keldo {
namespace {

// The headings of the eight net-pay columns, in the order of NetPayCsvColumns.
const std::vector<std::string>& NetPayHeadings()
{
    static const std::vector<std::string> headings{"Brutto (m)", "Netto (m)", "Pay (m)", "Netto/Brutto (-)",
        "Porosität netto (-)", "Sw netto (-)", "KW-Porenm. Log (m)", "KW-Porenm. Modell (m)"};
    return headings;
}

void AddNetPayHeadings(ResultTable& table)
{
    for (const std::string& heading : NetPayHeadings()) {
        table.headings.push_back(heading);
        table.numbers.push_back(true);
    }
}

} // namespace

ResultTable NetPayTable(const std::vector<WellSummary>& wells)
{
    ResultTable table{{"Bohrung"}, {false}, {}};
    AddNetPayHeadings(table);
    for (const WellSummary& well : wells) {
        std::vector<std::string> row{well.well};
        if (well.prepared)
            for (std::string& field : NetPayCsvFields(well.netPay))
                row.push_back(std::move(field));
        row.resize(table.headings.size());
        table.rows.push_back(std::move(row));
    }
    return table;
}

ResultTable ZonesTable(const std::vector<WellSummary>& wells)
{
    ResultTable table{{"Bohrung", "Zone", "Top (m)", "Basis (m)", "Messwerte", "Kontakte", "P10 (m)", "Median (m)",
                          "P90 (m)"},
        {false, false, true, true, true, true, true, true, true}, {}};
    AddNetPayHeadings(table);
    for (const WellSummary& well : wells)
        for (const ZoneResult& zone : well.zones)
            table.rows.push_back(ZonesCsvFields(well.well, zone));
    return table;
}

} // namespace keldo
