#include "FieldRun.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "WellFolders.h"

namespace keldo {
namespace {

bool Cancelled(const std::atomic<bool>* cancel) { return cancel && cancel->load(); }

struct Job {
    const FieldStudy& study;
    const std::vector<std::string> folders;
    const FieldTemplate* model;
    const FieldSettings& settings;
    const std::atomic<bool>* cancel;

    WellOutcome Outcome(size_t index) const
    {
        const FieldWell& well = study.wells[index];
        WellOutcome out = Cancelled(cancel) ? NotRunOutcome(well) : RunWell(well, model, settings);
        out.index = index;
        out.summary.folder = folders[index];
        return out;
    }
};

// Finished outcomes on their way from the workers to the calling thread; a
// worker waits while `capacity` of them are waiting already.
class OutcomeQueue {
public:
    explicit OutcomeQueue(size_t capacity, int producers) : m_capacity(capacity), m_producers(producers) {}

    void Push(WellOutcome&& outcome)
    {
        std::unique_lock lock(m_mutex);
        m_notFull.wait(lock, [this] { return m_ready.size() < m_capacity; });
        m_ready.push_back(std::move(outcome));
        m_notEmpty.notify_one();
    }
    void ProducerDone()
    {
        std::lock_guard lock(m_mutex);
        --m_producers;
        m_notEmpty.notify_one();
    }
    // False once every producer is done and nothing is left.
    bool Pop(WellOutcome& outcome)
    {
        std::unique_lock lock(m_mutex);
        m_notEmpty.wait(lock, [this] { return !m_ready.empty() || m_producers == 0; });
        if (m_ready.empty())
            return false;
        outcome = std::move(m_ready.front());
        m_ready.pop_front();
        m_notFull.notify_one();
        return true;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_notEmpty, m_notFull;
    std::deque<WellOutcome> m_ready;
    const size_t m_capacity;
    int m_producers;
};

} // namespace

int DefaultJobs() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

void RunField(const FieldStudy& study, const FieldTemplate* model, const FieldSettings& settings, int jobs,
    const WellSink& sink, const std::atomic<bool>* cancel)
{
    const Job job{study, WellFolderNames(study.wells), model, settings, cancel};
    const size_t count = study.wells.size();
    const int threads = static_cast<int>(std::min<size_t>(static_cast<size_t>(std::max(jobs, 1)), count));
    if (threads <= 1) {
        for (size_t i = 0; i < count; ++i)
            sink(job.Outcome(i));
        return;
    }

    std::atomic<size_t> next{0};
    OutcomeQueue queue(static_cast<size_t>(threads), threads);
    std::vector<std::thread> pool;
    pool.reserve(static_cast<size_t>(threads));
    for (int t = 0; t < threads; ++t) {
        try {
            pool.emplace_back([&] {
                for (size_t i = next++; i < count; i = next++)
                    queue.Push(job.Outcome(i));
                queue.ProducerDone();
            });
        } catch (const std::system_error&) {
            // No more threads to be had: those running share the wells.
            for (int missing = t; missing < threads; ++missing)
                queue.ProducerDone();
            break;
        }
    }
    if (pool.empty()) {
        for (size_t i = next++; i < count; i = next++)
            sink(job.Outcome(i));
        return;
    }
    for (WellOutcome outcome; queue.Pop(outcome);)
        sink(std::move(outcome));
    for (std::thread& thread : pool)
        thread.join();
}

} // namespace keldo
