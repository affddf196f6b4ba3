#include "CCtrlRestoreDevDataCallback.h"

#include "Log.h"

#include <QtDebug>

CCtrlRestoreDevDataCallback::CCtrlRestoreDevDataCallback(IntIntResultFunc result)
    : m_pResult(result)
{ }

int CCtrlRestoreDevDataCallback::OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t, std::uint32_t,
                                               std::uint32_t, void*)
{
    if (IsFinished())
        return -1;
    const int value = static_cast<int>(param1);
    qDebug("********restore progress. Notify_Type:%d value:%d", notifyType, value);
    if (IsStopRequested(Restore))
        return -1;
    m_pResult(notifyType, value);
    if (notifyType != OV_NOTIFY_RESTORE_PROGRESS) {
        FileLog("restore data end. Notify_Type:%d param1:%d.", notifyType, value);
        Finish();
    }
    return 0;
}
