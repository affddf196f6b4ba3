#pragma once

#include "CCtrlCallback.h"
#include "ResultFunctions.h"

/// Passes every notification of an erase-all stage on as (mode, Notify_Type).
class CCtrlEraseAllCallback : public CCtrlCallback
{
public:
    CCtrlEraseAllCallback(IntIntResultFunc result, int mode);

    int OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t param2, std::uint32_t param3,
                      std::uint32_t param4, void* record) override;

private:
    IntIntResultFunc m_pResult;
    int m_nMode;
};
