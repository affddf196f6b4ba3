#pragma once

#include "CProcessTask.h"

#include <memory>

class CCtrlCallback;

/// Runs one library operation. It owns the operation, the callback the operation reports
/// to, and whatever the operation reads while it runs (item arrays, descriptors): the
/// operation is released first, then the rest, so the library never sees a freed callback.
class CProcessUniversalTask : public CProcessTask
{
public:
    CProcessUniversalTask(IDeviceOperation* operation, CCtrlCallback* callback,
                          std::shared_ptr<const void> operationData = nullptr);
    ~CProcessUniversalTask() override;

    /// Runs the operation to its end (its slot 0); the callback is called during the run.
    void Run() override;

private:
    std::unique_ptr<CCtrlCallback> m_pCallback;
    std::shared_ptr<const void> m_pOperationData;
};
