#pragma once

#include "CCtrlCallback.h"
#include "ResultFunctions.h"

/// The common behaviour of the private-data erase callbacks: every notification ends the
/// erase and is reported with the category's signal. A cancelled erase is stopped and its
/// end reported once.
class CCtrlEraseDataCallback : public CCtrlCallback
{
public:
    int OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t param2, std::uint32_t param3,
                      std::uint32_t param4, void* record) override;

protected:
    /// `className` names the callback in its trace line.
    CCtrlEraseDataCallback(const char* className, VoidResultFunc result);
    /// Whether this notification is reported; every one is, unless a category says otherwise.
    virtual bool IsReported() { return true; }
    /// Called once when the erase is cancelled, before its end is reported.
    virtual void ReportCancelled() { }

private:
    const char* m_szClassName;
    VoidResultFunc m_pResult;
    bool m_bEndReported = false;
};
