#pragma once

#include "CCtrlCallback.h"
#include "ResultFunctions.h"

/// Reports the progress and end of a one-key clean, export, compression or uninstall.
/// Every record it hands on is a new program record (see CopyOneKeyClearRecord) that the
/// receiver owns and frees with DeleteOneKeyClearRecord; the library's items live only
/// during the notification, while the signal is delivered later.
class CCtrlOneKeyClearCallback : public CCtrlCallback
{
public:
    CCtrlOneKeyClearCallback(IntIntPointerResultFunc result, int type);

    int OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t param2, std::uint32_t param3,
                      std::uint32_t param4, void* record) override;

    /// The status reported when a clean other than an uninstall has finished.
    static constexpr int kCleanFinished = 3599;

private:
    IntIntPointerResultFunc m_pResult;
    int m_nType;
};
