#include "CCtrlThread.h"

#include "CTask.h"
#include "CancelFlags.h"

#include <mutex>

CCtrlThread::CCtrlThread()
{
    start(QThread::InheritPriority);
}

CCtrlThread::~CCtrlThread()
{
    Stop();
    for (const auto& entry : m_tasks)
        delete entry.first;
    m_tasks.clear();
}

void CCtrlThread::Post(CTask* task)
{
    if (!task)
        return;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_tasks.emplace_back(task, m_nGeneration);
    }
    m_condition.notify_one();
}

void CCtrlThread::Cancel()
{
    // Under the queue lock, so that the thread cannot take a task of the old generation
    // and then clear the flags this raises for it.
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_nGeneration;
    loadCancel = true;
    callbackCancel = true;
}

void CCtrlThread::Stop()
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_bRunning = false;
    }
    m_condition.notify_all();
    wait();
    // QThread::wait is invisible to thread checkers; the thread's last unlock orders its
    // last accesses before whatever the caller does next.
    std::lock_guard<std::mutex> lock(m_mutex);
}

void CCtrlThread::run()
{
    for (;;) {
        CTask* task = nullptr;
        bool cancelled = false;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_condition.wait(lock, [this] { return !m_bRunning || !m_tasks.empty(); });
            if (!m_bRunning)
                return;
            task = m_tasks.front().first;
            cancelled = m_tasks.front().second != m_nGeneration;
            m_tasks.pop_front();
            // The flags belong to the job about to run: a cancel of earlier work must not
            // stop it, and nothing but a later Cancel may stop it.
            if (!cancelled)
                loadCancel = callbackCancel = false;
        }
        if (!cancelled)
            task->Execute();
        delete task;
    }
}
