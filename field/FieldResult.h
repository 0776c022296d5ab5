#pragma once
#include <array>
#include <memory>
#include <vector>

#include "FieldWell.h"
#include "WellRun.h"

namespace keldo {

// How the wells of a study ended so far.
struct FieldTally {
    int completed = 0;
    int stopped = 0;
    int unreadable = 0;
    int notRun = 0;     // called off before their turn
    int waiting = 0;    // no outcome yet
    int notWritten = 0; // computed, their files not all written

    // The wells computed, whatever came of them: the progress of a study.
    int Computed() const { return completed + stopped + unreadable + notWritten; }
    // The wells whose outcome has arrived, computed or called off.
    int Arrived() const { return Computed() + notRun; }
};

// The outcomes of a study, held once for keldo-field and the program's
// window: one row per well in the order of the study. Until its outcome
// arrives, a well's row is a placeholder: its name, status NotRun, nothing
// prepared. Outcomes may arrive in any order.
class FieldResult {
public:
    FieldResult() = default;
    explicit FieldResult(const FieldStudy& study);

    size_t Size() const { return m_summaries.size(); }

    // Takes a finished well's outcome whole: reports, messages and graphs
    // stay for showing and exporting. False for an index outside the study.
    bool Take(std::shared_ptr<const WellOutcome> outcome);
    // Takes only the summary of a finished well, for a front end that has
    // written the rest already and keeps no more than it must.
    bool TakeSummary(const WellOutcome& outcome);
    // Replaces the summary row of an arrived well (a well whose files were
    // found missing when the study was written). False for an index outside
    // the study or a placeholder.
    bool Restate(size_t index, const WellSummary& summary);

    // False while the well's row is a placeholder.
    bool Arrived(size_t index) const { return m_arrived[index]; }
    // The summary rows in the order of the study, placeholders included:
    // summary.csv, the field chart and the window's table.
    const std::vector<WellSummary>& Summaries() const { return m_summaries; }
    // The outcomes taken whole, by well; null for a placeholder and for a
    // well of which only the summary was taken.
    const std::vector<std::shared_ptr<const WellOutcome>>& Outcomes() const { return m_outcomes; }
    FieldTally Tally() const;

private:
    bool Record(size_t index, const WellSummary& summary);

    std::vector<WellSummary> m_summaries;
    std::vector<std::shared_ptr<const WellOutcome>> m_outcomes;
    std::vector<bool> m_arrived;
    std::array<int, 5> m_counts{}; // arrived wells by WellStatus
};

} // namespace keldo
