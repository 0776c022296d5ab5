#include "SummaryTable.h"

#include <cmath>

#include "CsvFields.h"
#include "TextFormat.h"

namespace keldo {
namespace {

std::string Fixed(double value, int decimals)
{
    return std::isfinite(value) ? Format("%.*f", decimals, value) : std::string();
}

} // namespace

const char* StatusKey(WellStatus status)
{
    switch (status) {
    case WellStatus::Completed:
        return "completed";
    case WellStatus::Stopped:
        return "stopped";
    case WellStatus::Unreadable:
        return "unreadable";
    case WellStatus::NotRun:
        break;
    }
    return "not_run";
}

const char* StatusText(WellStatus status)
{
    switch (status) {
    case WellStatus::Completed:
        return "abgeschlossen";
    case WellStatus::Stopped:
        return "abgebrochen";
    case WellStatus::Unreadable:
        return "nicht gelesen";
    case WellStatus::NotRun:
        break;
    }
    return "nicht gerechnet";
}

const std::vector<SummaryColumn>& SummaryColumns()
{
    static const std::vector<SummaryColumn> columns = {
        {"well", "Bohrung", false},
        {"folder", "Ordner", false},
        {"status", "Status", false},
        {"measurements", "Messwerte", true},
        {"min_depth", "Min.Teufe (m)", true},
        {"max_depth", "Max.Teufe (m)", true},
        {"fluid", "Fluid", false},
        {"contact", "Angen. Kontakt (m)", true},
        {"cutoff_1", "Cutoff 1", true},
        {"count_1", "Anzahl 1", true},
        {"min_1", "Min. 1 (m)", true},
        {"mean_1", "Mittel 1 (m)", true},
        {"max_1", "Max. 1 (m)", true},
        {"cutoff_2", "Cutoff 2", true},
        {"count_2", "Anzahl 2", true},
        {"min_2", "Min. 2 (m)", true},
        {"mean_2", "Mittel 2 (m)", true},
        {"max_2", "Max. 2 (m)", true},
        {"cutoff_3", "Cutoff 3", true},
        {"count_3", "Anzahl 3", true},
        {"min_3", "Min. 3 (m)", true},
        {"mean_3", "Mittel 3 (m)", true},
        {"max_3", "Max. 3 (m)", true},
        {"p10", "P10 (m)", true},
        {"median", "Median (m)", true},
        {"p90", "P90 (m)", true},
        {"rms", "RMS Sw", true},
        {"rms_n", "Zeilen RMS", true},
        {"message", "Meldung", false},
    };
    return columns;
}

std::vector<std::string> SummaryValues(const WellSummary& s)
{
    std::vector<std::string> v = {s.well, s.folder, StatusKey(s.status)};
    if (s.prepared) {
        v.push_back(Format("%d", s.measurements));
        v.push_back(Fixed(s.minDepth, 3));
        v.push_back(Fixed(s.maxDepth, 3));
        v.push_back(s.fluid == 1 ? "oil" : "gas");
        v.push_back(Fixed(s.contact, 2));
    } else {
        v.insert(v.end(), 5, std::string());
    }
    for (const ContactClass& c : s.classes) {
        v.push_back(s.prepared ? Format("%g", c.cutoff) : std::string());
        if (!s.contacts) {
            v.insert(v.end(), 4, std::string());
            continue;
        }
        v.push_back(Format("%d", c.count));
        for (float value : {c.min, c.mean, c.max})
            v.push_back(c.count > 0 ? Fixed(value, 1) : std::string());
    }
    v.push_back(Fixed(s.p10, 2));
    v.push_back(Fixed(s.median, 2));
    v.push_back(Fixed(s.p90, 2));
    v.push_back(Fixed(s.rms, 5));
    v.push_back(s.prepared ? Format("%d", s.rmsRows) : std::string());
    v.push_back(s.message);
    return v;
}

std::string SummaryCsv(const std::vector<WellSummary>& rows)
{
    std::string csv;
    auto addLine = [&csv](const std::vector<std::string>& fields) {
        for (size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                csv += ',';
            csv += CsvField(fields[i]);
        }
        csv += '\n';
    };
    std::vector<std::string> header;
    for (const SummaryColumn& c : SummaryColumns())
        header.push_back(c.key);
    addLine(header);
    for (const WellSummary& row : rows)
        addLine(SummaryValues(row));
    return csv;
}

} // namespace keldo
