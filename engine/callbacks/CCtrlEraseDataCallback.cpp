#include "CCtrlEraseDataCallback.h"

#include "CancelFlags.h"
#include "ThreadId.h"

#include <QtDebug>

CCtrlEraseDataCallback::CCtrlEraseDataCallback(const char* className, VoidResultFunc result)
    : m_szClassName(className)
    , m_pResult(result)
{ }

int CCtrlEraseDataCallback::OnStateChange(int notifyType, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                                          void*)
{
    qDebug("%s::OnStateChange Notify_Type:%d threadid:%08x", m_szClassName, notifyType, CurrentThreadId());
    if (callbackCancel) {
        // The page waiting for this erase moves on only when it hears of its end, and the
        // erases queued behind it will never run to report one.
        if (!m_bEndReported) {
            m_bEndReported = true;
            ReportCancelled();
            m_pResult();
        }
        return -1;
    }
    if (IsReported())
        m_pResult();
    return 0;
}
