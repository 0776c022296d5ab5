#include "FieldRunner.h"

#include <QMetaObject>

CFieldRunner::CFieldRunner(QObject* parent) : QObject(parent) {}

CFieldRunner::~CFieldRunner()
{
    m_cancel = true;
    Join();
}

void CFieldRunner::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}

bool CFieldRunner::Start(keldo::FieldStudy study, keldo::FieldTemplate model, keldo::FieldSettings settings, int jobs)
{
    if (m_running)
        return false;
    Join(); // the thread of the last run has posted its end already
    m_study = std::move(study);
    m_model = std::move(model);
    m_cancel = false;
    m_running = true;
    m_thread = std::thread([this, settings, jobs] {
        // The study and the template stay untouched until the thread is joined.
        keldo::RunField(
            m_study, &m_model, settings, jobs,
            [this](keldo::WellOutcome&& outcome) {
                auto shared = std::make_shared<keldo::WellOutcome>(std::move(outcome));
                QMetaObject::invokeMethod(
                    this, [this, shared] { emit wellFinished(shared); }, Qt::QueuedConnection);
            },
            &m_cancel);
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_running = false;
                Join();
                emit finished(m_cancel);
            },
            Qt::QueuedConnection);
    });
    return true;
}

void CFieldRunner::Cancel()
{
    if (m_running)
        m_cancel = true;
}
