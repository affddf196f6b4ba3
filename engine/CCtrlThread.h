#pragma once

#include <QThread>

#include <condition_variable>
#include <list>
#include <mutex>

class CTask;

/// The single worker thread of device work: runs posted tasks one at a time, in posting
/// order. It starts in its construction.
class CCtrlThread : public QThread
{
public:
    CCtrlThread();
    /// Stops and joins the thread, then deletes the tasks that never ran.
    ~CCtrlThread() override;

    /// Appends `task` to the queue; the thread owns it from now on. Never waits for a
    /// running task.
    void Post(CTask* task);
    /// Ends the loop once the running task (if any) has finished, and joins the thread.
    /// The caller makes a running device job end (CController::StopTasks, stop requests).
    void Stop();

protected:
    void run() override;

private:
    std::mutex m_mutex;
    std::condition_variable m_condition;
    bool m_bRunning = true;
    std::list<CTask*> m_tasks;
};
