#pragma once

#include "CCtrlCallback.h"
#include "ResultFunctions.h"

/// Passes restore progress (68) and the end on; a pending restore stop request stops the job.
class CCtrlRestoreDevDataCallback : public CCtrlCallback
{
public:
    explicit CCtrlRestoreDevDataCallback(IntIntResultFunc result);

    int OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t param2, std::uint32_t param3,
                      std::uint32_t param4, void* record) override;

private:
    IntIntResultFunc m_pResult;
};
