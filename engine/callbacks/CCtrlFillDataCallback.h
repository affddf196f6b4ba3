#pragma once

#include "CCtrlCallback.h"
#include "ResultFunctions.h"

/// Turns the written and total amounts of a fill into a percent and passes it on; a
/// pending fill stop request stops the job.
class CCtrlFillDataCallback : public CCtrlCallback
{
public:
    explicit CCtrlFillDataCallback(IntIntResultFunc result);

    int OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t param2, std::uint32_t param3,
                      std::uint32_t param4, void* record) override;

    /// The integer part of 100 x (written / total + 0.005); 0 when the total is 0.
    static int FillPercent(std::uint64_t written, std::uint64_t total);

private:
    IntIntResultFunc m_pResult;
};
