#include "CEraseCalendarDataTask.h"

#include "CCtrlEraseCalendarDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseCalendarDataTask::CEraseCalendarDataTask(VoidResultFunc result)
    : CTask(BuildEraseProcess<IWholeEraseCategory>(
        FromPrivateData(&IPrivateDataInterface::GetCalendar), EraseRule::WholeAlways, 0, {},
        &IWholeEraseCategory::CreateEraseAll, nullptr, [result] { return new CCtrlEraseCalendarDataCallback(result); }))
{ }
