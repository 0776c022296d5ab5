#include "FieldResult.h"

namespace keldo {

FieldResult::FieldResult(const FieldStudy& study)
    : m_summaries(study.wells.size()), m_outcomes(study.wells.size()), m_arrived(study.wells.size(), false)
{
    for (size_t i = 0; i < study.wells.size(); ++i)
        m_summaries[i].well = study.wells[i].name;
}

bool FieldResult::Record(size_t index, const WellSummary& summary)
{
    if (index >= m_summaries.size())
        return false;
    if (m_arrived[index])
        --m_counts[static_cast<size_t>(m_summaries[index].status)];
    m_arrived[index] = true;
    ++m_counts[static_cast<size_t>(summary.status)];
    m_summaries[index] = summary;
    return true;
}

bool FieldResult::Take(std::shared_ptr<const WellOutcome> outcome)
{
    if (!outcome || !Record(outcome->index, outcome->summary))
        return false;
    m_outcomes[outcome->index] = std::move(outcome);
    return true;
}

bool FieldResult::TakeSummary(const WellOutcome& outcome)
{
    if (!Record(outcome.index, outcome.summary))
        return false;
    m_outcomes[outcome.index].reset();
    return true;
}

bool FieldResult::Restate(size_t index, const WellSummary& summary)
{
    return index < m_summaries.size() && m_arrived[index] && Record(index, summary);
}

FieldTally FieldResult::Tally() const
{
    FieldTally tally;
    tally.completed = m_counts[static_cast<size_t>(WellStatus::Completed)];
    tally.stopped = m_counts[static_cast<size_t>(WellStatus::Stopped)];
    tally.unreadable = m_counts[static_cast<size_t>(WellStatus::Unreadable)];
    tally.notRun = m_counts[static_cast<size_t>(WellStatus::NotRun)];
    tally.notWritten = m_counts[static_cast<size_t>(WellStatus::NotWritten)];
    tally.waiting = static_cast<int>(Size()) - tally.Arrived();
    return tally;
}

} // namespace keldo
