#include "CEraseAllTask.h"

#include "CCtrlEraseAllCallback.h"
#include "TaskSupport.h"

CEraseAllTask::CEraseAllTask(int mode, IntIntResultFunc result)
{
    IPrivacyCleanDevice* device = FirstDevice();
    if (!device)
        return;
    auto* callback = new CCtrlEraseAllCallback(result, mode);
    IEraseAllInterface* eraseAll = nullptr;
    device->GetEraseAllInterface(&eraseAll);
    IDeviceOperation* operation = nullptr;
    if (eraseAll) {
        switch (mode) {
        case 1:
            operation = eraseAll->CreateStage1(callback);
            break;
        case 2:
            operation = eraseAll->CreateStage2(callback);
            break;
        case 4:
            operation = eraseAll->CreateStage4(callback);
            break;
        case 8:
            operation = eraseAll->CreateStage8(callback);
            break;
        default:
            break;
        }
    }
    m_pProcess = MakeOperationProcess(operation, callback);
}
