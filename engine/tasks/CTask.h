#pragma once

class CProcessTask;

/// A unit of device work, built on the posting thread and run on the control thread.
/// A task without a process (no device, or the library gave no operation) does nothing.
class CTask
{
public:
    explicit CTask(CProcessTask* process = nullptr);
    virtual ~CTask();
    CTask(const CTask&) = delete;
    CTask& operator=(const CTask&) = delete;

    void Execute();
    bool IsEmpty() const { return m_pProcess == nullptr; }

protected:
    CProcessTask* m_pProcess;
};
