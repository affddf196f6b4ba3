#pragma once

#include "ovdriver.h"

/// The program's base of the callbacks that library operations report to.
///
/// A callback belongs to the process object that runs its operation and is freed with it,
/// after the operation has been released. Where a callback's job is over for it (the
/// places where it would free itself), it marks itself finished instead and refuses every
/// later notification with -1; so no callback is ever freed twice or used after freeing.
class CCtrlCallback : public CCallBack
{
public:
    virtual ~CCtrlCallback() = default;
    CCtrlCallback(const CCtrlCallback&) = delete;
    CCtrlCallback& operator=(const CCtrlCallback&) = delete;

    /// Job kinds of the stop requests.
    enum JobKind { Backup = 0, Restore = 1, Fill = 2 };

protected:
    CCtrlCallback() = default;

    /// Test-and-clear of the device owner's stop request for `jobKind` (IDeviceAccess); false
    /// when no owner is registered.
    static bool IsStopRequested(JobKind jobKind);

    void Finish() { m_bFinished = true; }
    bool IsFinished() const { return m_bFinished; }

private:
    bool m_bFinished = false;
};
