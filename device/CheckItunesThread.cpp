#include "CheckItunesThread.h"

#include "CProcessConsole.h"
#include "Durations.h"
#include <mutex>

int CheckItunesThread::s_nPassCount = 0;

CheckItunesThread::~CheckItunesThread()
{
    Stop();
}

void CheckItunesThread::Stop()
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_bRunning = false;
        m_wake.notify_all();
    }
    wait();
    // QThread::wait is invisible to thread checkers; the loop's last unlock orders its
    // last accesses before whatever the caller does next.
    std::lock_guard<std::mutex> lock(m_mutex);
}

bool CheckItunesThread::IsRunning() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_bRunning;
}

bool CheckItunesThread::Sleep(int ms)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wake.wait_for(lock, std::chrono::milliseconds(scaledMs(ms)), [this] { return !m_bRunning; });
    return m_bRunning;
}

void CheckItunesThread::run()
{
    while (IsRunning())
        RunOnePass();
}

void CheckItunesThread::RunOnePass()
{
    if (++s_nPassCount >= 20) {
        s_nPassCount = 0;
        m_bNotified = false;
    }
    if (!Sleep(500))
        return;

    // An unreadable process list reads as empty; the next pass tries again.
    const std::vector<ProcessId> found = FindItunesProcesses();
    if (found.empty())
        return;
    if (!Sleep(2000))
        return;
    EndProcess(found.front());
    if (!m_bNotified) {
        m_bNotified = true;
        if (m_pHandler)
            m_pHandler();
    }
}

std::vector<ProcessId> CheckItunesThread::FindItunesProcesses()
{
    return FindProcessIdsByName("iTunes.exe");
}

bool CheckItunesThread::EndProcess(ProcessId pid)
{
    return CProcessConsole().TerminateProcessById(pid);
}
