#include "CEraseContactDataTask.h"

#include "CCtrlEraseContactDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseContactDataTask::CEraseContactDataTask(VoidResultFunc result)
    : CTask(BuildEraseProcess<IWholeEraseCategory>(
        FromPrivateData(&IPrivateDataInterface::GetContacts), EraseRule::WholeAlways, 0, {},
        &IWholeEraseCategory::CreateEraseAll, nullptr, [result] { return new CCtrlEraseContactDataCallback(result); }))
{ }
