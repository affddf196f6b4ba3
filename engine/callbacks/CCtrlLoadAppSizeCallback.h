#pragma once

#include "CCtrlCallback.h"
#include "ResultFunctions.h"

#include <QStringList>

/// Stores the data size of each wanted app that the app scan reports, then announces them.
class CCtrlLoadAppSizeCallback : public CCtrlCallback
{
public:
    CCtrlLoadAppSizeCallback(const QStringList& names, VoidResultFunc result);

    int OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t param2, std::uint32_t param3,
                      std::uint32_t param4, void* record) override;

private:
    VoidResultFunc m_pResult;
    QStringList m_obLNames;
};
