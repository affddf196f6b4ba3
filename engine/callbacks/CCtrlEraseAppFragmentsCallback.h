#pragma once

#include "CCtrlCallback.h"

/// Logs how the erase of app fragments ended. Nothing waits for it: the restore that
/// follows it in the queue runs only after it.
class CCtrlEraseAppFragmentsCallback : public CCtrlCallback
{
public:
    CCtrlEraseAppFragmentsCallback() = default;

    int OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t param2, std::uint32_t param3,
                      std::uint32_t param4, void* record) override;
};
