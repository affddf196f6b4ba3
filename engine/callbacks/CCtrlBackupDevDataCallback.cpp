#include "CCtrlBackupDevDataCallback.h"

#include "Log.h"

#include <QtDebug>

CCtrlBackupDevDataCallback::CCtrlBackupDevDataCallback(IntIntResultFunc result)
    : m_pResult(result)
{ }

int CCtrlBackupDevDataCallback::OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t, std::uint32_t,
                                              std::uint32_t, void*)
{
    if (IsFinished())
        return -1;
    const int value = static_cast<int>(param1);
    qDebug("********back-up progress. Notify_Type:%d value:%d", notifyType, value);
    if (IsStopRequested(Backup)) {
        FileLog("back up data stop. Notify_Type:%d param1:%d.", notifyType, value);
        return -1;
    }
    m_pResult(notifyType, value);
    if (notifyType != OV_NOTIFY_BACKUP_PROGRESS) {
        FileLog("back up data end. Notify_Type:%d param1:%d.", notifyType, value);
        Finish();
    }
    return 0;
}
