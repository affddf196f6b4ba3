#pragma once

#include "CCtrlCallback.h"
#include "ResultFunctions.h"

/// Ends a connect: on "ready" it stores the display model name and reports (3, device);
/// "not trusted" reports (2, device); anything else drops the device and reports (4, null).
class CCtrlDevConnCallback : public CCtrlCallback
{
public:
    explicit CCtrlDevConnCallback(IntPointerResultFunc result);

    int OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t param2, std::uint32_t param3,
                      std::uint32_t param4, void* record) override;

private:
    IntPointerResultFunc m_pResult;
};
