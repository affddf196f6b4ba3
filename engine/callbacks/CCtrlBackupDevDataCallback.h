#pragma once

#include "CCtrlCallback.h"
#include "ResultFunctions.h"

/// Passes backup progress (66) and the end on; a pending backup stop request stops the job.
class CCtrlBackupDevDataCallback : public CCtrlCallback
{
public:
    explicit CCtrlBackupDevDataCallback(IntIntResultFunc result);

    int OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t param2, std::uint32_t param3,
                      std::uint32_t param4, void* record) override;

private:
    IntIntResultFunc m_pResult;
};
