#pragma once

#include "ProcessList.h"

#include <QThread>

#include <condition_variable>
#include <mutex>
#include <vector>

/// Watches the process list while the program runs: iTunes syncing beside it could
/// overwrite device data the program works on, so a process named exactly "iTunes.exe"
/// is ended, and the handler is called at most once per 20 passes (about 10 s).
class CheckItunesThread : public QThread
{
public:
    using Handler = void (*)();

    CheckItunesThread() = default;
    /// Stops and joins the loop.
    ~CheckItunesThread() override;

    /// Set before start(); called on this thread when iTunes was found.
    void SetHandler(Handler handler) { m_pHandler = handler; }
    /// Ends the loop at once, even in the middle of a wait, and joins the thread.
    void Stop();

protected:
    void run() override;
    /// One pass of the loop: count it, wait 500 ms, end the first iTunes found.
    void RunOnePass();
    /// Whether the loop is still wanted.
    bool IsRunning() const;
    // The process seams; a subclass overriding them must Stop() in its own destructor.
    /// The running processes named exactly "iTunes.exe".
    virtual std::vector<ProcessId> FindItunesProcesses();
    /// Ends a process; false when it could not be opened or ended.
    virtual bool EndProcess(ProcessId pid);

    /// The process-wide pass counter; it clears the notified flag every 20 passes.
    static int s_nPassCount;

private:
    /// Waits `ms` (scaled); false when Stop() ended the wait.
    bool Sleep(int ms);

    Handler m_pHandler = nullptr;
    bool m_bRunning = true;
    bool m_bNotified = false;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
};
