#pragma once
#include <QObject>
#include <atomic>
#include <memory>
#include <thread>

#include "FieldRun.h"

// A field study computed in the background, for the program's window: the
// wells run on their own threads (RunField), and each finished well and
// the end of the run arrive as signals on the thread the runner lives on,
// so the window stays responsive and only ever touches its results there.
class CFieldRunner : public QObject {
    Q_OBJECT
public:
    explicit CFieldRunner(QObject* parent = nullptr);
    // Calls the run off and waits for the wells still running.
    ~CFieldRunner() override;

    // Starts computing `study`; false while a run is going on.
    bool Start(keldo::FieldStudy study, keldo::FieldTemplate model, keldo::FieldSettings settings, int jobs);
    // No well is begun any more; the wells running finish.
    void Cancel();
    bool IsRunning() const { return m_running; }
    bool IsCancelled() const { return m_cancel; }

signals:
    // One well, in the order the wells finish.
    void wellFinished(std::shared_ptr<keldo::WellOutcome> outcome);
    // After the last well; `cancelled` when the run was called off.
    void finished(bool cancelled);

private:
    void Join();

    keldo::FieldStudy m_study;
    keldo::FieldTemplate m_model;
    std::atomic<bool> m_cancel{false};
    bool m_running = false;
    std::thread m_thread;
};
