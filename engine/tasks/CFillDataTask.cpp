#include "CFillDataTask.h"

#include "CCtrlFillDataCallback.h"
#include "TaskSupport.h"

CFillDataTask::CFillDataTask(IntIntResultFunc result)
{
    IPrivacyCleanDevice* device = FirstDevice();
    if (!device)
        return;
    auto* callback = new CCtrlFillDataCallback(result);
    IFillInterface* fill = nullptr;
    device->GetFillInterface(&fill);
    m_pProcess = MakeOperationProcess(fill ? fill->CreateFill(callback) : nullptr, callback);
}
