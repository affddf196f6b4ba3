#include "CCtrlEraseAppFragmentsCallback.h"

#include "CancelFlags.h"
#include "Log.h"

int CCtrlEraseAppFragmentsCallback::OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t, std::uint32_t,
                                                  std::uint32_t, void*)
{
    if (IsFinished() || callbackCancel)
        return -1;
    if (notifyType == OV_NOTIFY_ERASE_DONE)
        FileLog("app fragments erased. apps:%u", param1);
    else
        FileLog("app fragments erase failed. Notify_Type:%d code:%d", notifyType, static_cast<int>(param1));
    Finish();
    return 0;
}
