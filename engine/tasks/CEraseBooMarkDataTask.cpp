#include "CEraseBooMarkDataTask.h"

#include "CCtrlEraseBookMarkDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseBooMarkDataTask::CEraseBooMarkDataTask(VoidResultFunc result)
    : CTask(BuildEraseProcess<IWholeEraseCategory>(
        FromPrivateData(&IPrivateDataInterface::GetBookmarks), EraseRule::WholeAlways, 0, {},
        &IWholeEraseCategory::CreateEraseAll, nullptr, [result] { return new CCtrlEraseBookMarkDataCallback(result); }))
{ }
