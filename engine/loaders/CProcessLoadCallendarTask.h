#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the calendar events and reminders.
class CProcessLoadCallendarTask
    : public CProcessLoadCategoryTask<IWholeEraseCategory, &IPrivateDataInterface::GetCalendar>
{
public:
    explicit CProcessLoadCallendarTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(IWholeEraseCategory& category, CGlobalData& store) override;
};
