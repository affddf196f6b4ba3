#include "CCtrlThread.h"

#include "CTask.h"
#include <mutex>

CCtrlThread::CCtrlThread()
{
    start(QThread::InheritPriority);
}

CCtrlThread::~CCtrlThread()
{
    Stop();
    for (CTask* task : m_tasks)
        delete task;
    m_tasks.clear();
}

void CCtrlThread::Post(CTask* task)
{
    if (!task)
        return;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_tasks.push_back(task);
    }
    m_condition.notify_one();
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
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_condition.wait(lock, [this] { return !m_bRunning || !m_tasks.empty(); });
            if (!m_bRunning)
                return;
            task = m_tasks.front();
            m_tasks.pop_front();
        }
        task->Execute();
        delete task;
    }
}
