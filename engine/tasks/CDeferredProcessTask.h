#pragma once

#include "CProcessTask.h"

#include <functional>
#include <memory>

/// A process made when its task runs, on the control thread. Erases of selected items use
/// it: the library looks their handles up in the lists of the last load, and on the control
/// thread no load can be rebuilding those lists at the same moment.
class CDeferredProcessTask : public CProcessTask
{
public:
    /// `make` may return null (no device by then): the run does nothing.
    explicit CDeferredProcessTask(std::function<CProcessTask*()> make);
    ~CDeferredProcessTask() override;

    void Run() override;

private:
    std::function<CProcessTask*()> m_make;
    std::unique_ptr<CProcessTask> m_pMade;
};
