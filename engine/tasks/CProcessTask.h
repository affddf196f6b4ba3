#pragma once

class IDeviceOperation;

/// The object that does a task's work on the control thread.
class CProcessTask
{
public:
    /// Takes ownership of `operation` (may be null: loaders make their own).
    explicit CProcessTask(IDeviceOperation* operation = nullptr);
    /// Releases the operation.
    virtual ~CProcessTask();
    CProcessTask(const CProcessTask&) = delete;
    CProcessTask& operator=(const CProcessTask&) = delete;

    virtual void Run() = 0;

protected:
    /// Gives the operation back to the library (its slot 1); safe to call twice.
    void ReleaseOperation();

    IDeviceOperation* m_pOperation;
};
