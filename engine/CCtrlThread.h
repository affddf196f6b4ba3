#pragma once

#include <QThread>

#include <condition_variable>
#include <list>
#include <mutex>
#include <utility>

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
    /// Cancels all work posted so far: the running task sees the cancel flags raised, and
    /// queued tasks are deleted unrun when their turn comes. Tasks posted afterwards run.
    void Cancel();
    /// Ends the loop once the running task (if any) has finished, and joins the thread.
    /// The caller makes a running device job end (CController::StopTasks, stop requests).
    void Stop();

protected:
    void run() override;

private:
    std::mutex m_mutex;
    std::condition_variable m_condition;
    bool m_bRunning = true;
    // Each task with the cancel generation it was posted in; a task whose generation is
    // behind m_nGeneration was cancelled before it could run.
    std::list<std::pair<CTask*, unsigned int>> m_tasks;
    unsigned int m_nGeneration = 0;
};
