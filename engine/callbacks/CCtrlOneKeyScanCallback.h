#pragma once

#include "CCtrlCallback.h"
#include "ResultFunctions.h"

/// Collects the items of a one-key scan into the store's list of its type and, at the end,
/// reports (type, number of records in the list).
class CCtrlOneKeyScanCallback : public CCtrlCallback
{
public:
    CCtrlOneKeyScanCallback(IntIntResultFunc result, int type);

    int OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t param2, std::uint32_t param3,
                      std::uint32_t param4, void* record) override;

private:
    IntIntResultFunc m_pResult;
    int m_nType;
};
