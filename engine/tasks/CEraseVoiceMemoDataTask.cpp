#include "CEraseVoiceMemoDataTask.h"

#include "CCtrlEraseVoiceMemoDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseVoiceMemoDataTask::CEraseVoiceMemoDataTask(VoidResultFunc result)
    : CTask(BuildEraseProcess<IWholeEraseCategory>(FromPrivateData(&IPrivateDataInterface::GetVoiceMemos),
                                                   EraseRule::WholeAlways, 0, {}, &IWholeEraseCategory::CreateEraseAll,
                                                   nullptr,
                                                   [result] { return new CCtrlEraseVoiceMemoDataCallback(result); }))
{ }
