#include "SummaryTable.h"

#include <cmath>
#include <iterator>

#include "CsvFields.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// How a column writes its cells.
enum class Shown {
    Text,
    Count,    // "%d"
    Fraction, // "%g"
    Fixed,    // "%.*f" with the column's decimals
};

struct ColumnInfo {
    SummaryColumn column;
    const char* key;
    const char* title;
    Shown shown;
    int decimals = 0;
};

constexpr ColumnInfo kColumns[] = {
    {SummaryColumn::Well, "well", "Bohrung", Shown::Text},
    {SummaryColumn::Folder, "folder", "Ordner", Shown::Text},
    {SummaryColumn::Status, "status", "Status", Shown::Text},
    {SummaryColumn::Measurements, "measurements", "Messwerte", Shown::Count},
    {SummaryColumn::MinDepth, "min_depth", "Min.Teufe (m)", Shown::Fixed, 3},
    {SummaryColumn::MaxDepth, "max_depth", "Max.Teufe (m)", Shown::Fixed, 3},
    {SummaryColumn::Fluid, "fluid", "Fluid", Shown::Text},
    {SummaryColumn::Contact, "contact", "Angen. Kontakt (m)", Shown::Fixed, 2},
    {SummaryColumn::Cutoff1, "cutoff_1", "Cutoff 1", Shown::Fraction},
    {SummaryColumn::Count1, "count_1", "Anzahl 1", Shown::Count},
    {SummaryColumn::Min1, "min_1", "Min. 1 (m)", Shown::Fixed, 1},
    {SummaryColumn::Mean1, "mean_1", "Mittel 1 (m)", Shown::Fixed, 1},
    {SummaryColumn::Max1, "max_1", "Max. 1 (m)", Shown::Fixed, 1},
    {SummaryColumn::Cutoff2, "cutoff_2", "Cutoff 2", Shown::Fraction},
    {SummaryColumn::Count2, "count_2", "Anzahl 2", Shown::Count},
    {SummaryColumn::Min2, "min_2", "Min. 2 (m)", Shown::Fixed, 1},
    {SummaryColumn::Mean2, "mean_2", "Mittel 2 (m)", Shown::Fixed, 1},
    {SummaryColumn::Max2, "max_2", "Max. 2 (m)", Shown::Fixed, 1},
    {SummaryColumn::Cutoff3, "cutoff_3", "Cutoff 3", Shown::Fraction},
    {SummaryColumn::Count3, "count_3", "Anzahl 3", Shown::Count},
    {SummaryColumn::Min3, "min_3", "Min. 3 (m)", Shown::Fixed, 1},
    {SummaryColumn::Mean3, "mean_3", "Mittel 3 (m)", Shown::Fixed, 1},
    {SummaryColumn::Max3, "max_3", "Max. 3 (m)", Shown::Fixed, 1},
    {SummaryColumn::P10, "p10", "P10 (m)", Shown::Fixed, 2},
    {SummaryColumn::Median, "median", "Median (m)", Shown::Fixed, 2},
    {SummaryColumn::P90, "p90", "P90 (m)", Shown::Fixed, 2},
    {SummaryColumn::Rms, "rms", "RMS Sw", Shown::Fixed, 5},
    {SummaryColumn::RmsRows, "rms_n", "Zeilen RMS", Shown::Count},
    {SummaryColumn::Message, "message", "Meldung", Shown::Text},
};

constexpr bool InEnumOrder()
{
    for (size_t i = 0; i < std::size(kColumns); ++i)
        if (static_cast<size_t>(kColumns[i].column) != i)
            return false;
    return std::size(kColumns) == kSummaryColumnCount;
}
static_assert(InEnumOrder(), "one row per column, in the order of SummaryColumn");

const ColumnInfo& Info(SummaryColumn column) { return kColumns[static_cast<size_t>(column)]; }

std::optional<double> Finite(double value) { return std::isfinite(value) ? std::optional(value) : std::nullopt; }

// The numbers of a porosity class: the cut-off once the well is prepared,
// the rest once the contact statistics ran, the contacts only where there
// are any.
std::optional<double> ClassCutoff(const WellSummary& s, size_t k)
{
    return s.prepared ? Finite(s.classes[k].cutoff) : std::nullopt;
}
std::optional<double> ClassCount(const WellSummary& s, size_t k)
{
    return s.contacts ? std::optional<double>(s.classes[k].count) : std::nullopt;
}
std::optional<double> ClassContact(const WellSummary& s, size_t k, float ContactClass::*value)
{
    return s.contacts && s.classes[k].count > 0 ? Finite(s.classes[k].*value) : std::nullopt;
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
    case WellStatus::NotWritten:
        return "not_written";
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
    case WellStatus::NotWritten:
        return "nicht geschrieben";
    case WellStatus::NotRun:
        break;
    }
    return "nicht gerechnet";
}

const std::array<SummaryColumn, kSummaryColumnCount>& SummaryColumns()
{
    static const std::array<SummaryColumn, kSummaryColumnCount> columns = [] {
        std::array<SummaryColumn, kSummaryColumnCount> all{};
        for (size_t i = 0; i < all.size(); ++i)
            all[i] = kColumns[i].column;
        return all;
    }();
    return columns;
}

const char* SummaryKey(SummaryColumn column) { return Info(column).key; }

const char* SummaryTitle(SummaryColumn column) { return Info(column).title; }

bool IsNumberColumn(SummaryColumn column) { return Info(column).shown != Shown::Text; }

std::optional<double> SummaryNumber(const WellSummary& s, SummaryColumn column)
{
    const auto ifPrepared = [&s](double value) { return s.prepared ? Finite(value) : std::nullopt; };
    switch (column) {
    case SummaryColumn::Measurements:
        return ifPrepared(s.measurements);
    case SummaryColumn::MinDepth:
        return ifPrepared(s.minDepth);
    case SummaryColumn::MaxDepth:
        return ifPrepared(s.maxDepth);
    case SummaryColumn::Contact:
        return ifPrepared(s.contact);
    case SummaryColumn::Cutoff1:
        return ClassCutoff(s, 0);
    case SummaryColumn::Count1:
        return ClassCount(s, 0);
    case SummaryColumn::Min1:
        return ClassContact(s, 0, &ContactClass::min);
    case SummaryColumn::Mean1:
        return ClassContact(s, 0, &ContactClass::mean);
    case SummaryColumn::Max1:
        return ClassContact(s, 0, &ContactClass::max);
    case SummaryColumn::Cutoff2:
        return ClassCutoff(s, 1);
    case SummaryColumn::Count2:
        return ClassCount(s, 1);
    case SummaryColumn::Min2:
        return ClassContact(s, 1, &ContactClass::min);
    case SummaryColumn::Mean2:
        return ClassContact(s, 1, &ContactClass::mean);
    case SummaryColumn::Max2:
        return ClassContact(s, 1, &ContactClass::max);
    case SummaryColumn::Cutoff3:
        return ClassCutoff(s, 2);
    case SummaryColumn::Count3:
        return ClassCount(s, 2);
    case SummaryColumn::Min3:
        return ClassContact(s, 2, &ContactClass::min);
    case SummaryColumn::Mean3:
        return ClassContact(s, 2, &ContactClass::mean);
    case SummaryColumn::Max3:
        return ClassContact(s, 2, &ContactClass::max);
    case SummaryColumn::P10:
        return Finite(s.p10);
    case SummaryColumn::Median:
        return Finite(s.median);
    case SummaryColumn::P90:
        return Finite(s.p90);
    case SummaryColumn::Rms:
        return Finite(s.rms);
    case SummaryColumn::RmsRows:
        return ifPrepared(s.rmsRows);
    case SummaryColumn::Well:
    case SummaryColumn::Folder:
    case SummaryColumn::Status:
    case SummaryColumn::Fluid:
    case SummaryColumn::Message:
        break;
    }
    return std::nullopt;
}

std::string SummaryValue(const WellSummary& s, SummaryColumn column)
{
    switch (column) {
    case SummaryColumn::Well:
        return s.well;
    case SummaryColumn::Folder:
        return s.folder;
    case SummaryColumn::Status:
        return StatusKey(s.status);
    case SummaryColumn::Fluid:
        return s.prepared ? (s.fluid == 1 ? "oil" : "gas") : "";
    case SummaryColumn::Message:
        return s.message;
    default:
        break;
    }
    const std::optional<double> number = SummaryNumber(s, column);
    if (!number)
        return std::string();
    const ColumnInfo& info = Info(column);
    switch (info.shown) {
    case Shown::Count:
        return Format("%d", static_cast<int>(*number));
    case Shown::Fraction:
        return Format("%g", *number);
    case Shown::Fixed:
    case Shown::Text:
        break;
    }
    return Format("%.*f", info.decimals, *number);
}

std::string SummaryCsv(const std::vector<WellSummary>& rows)
{
    std::string csv;
    const auto addLine = [&csv](auto cell) {
        const char* separator = "";
        for (SummaryColumn column : SummaryColumns()) {
            csv += separator;
            csv += CsvField(cell(column));
            separator = ",";
        }
        csv += '\n';
    };
    addLine([](SummaryColumn column) { return std::string(SummaryKey(column)); });
    for (const WellSummary& row : rows)
        addLine([&row](SummaryColumn column) { return SummaryValue(row, column); });
    return csv;
}

} // namespace keldo
