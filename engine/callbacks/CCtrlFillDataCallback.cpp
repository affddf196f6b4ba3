#include "CCtrlFillDataCallback.h"

#include "Log.h"

#include <QtDebug>

CCtrlFillDataCallback::CCtrlFillDataCallback(IntIntResultFunc result)
    : m_pResult(result)
{ }

int CCtrlFillDataCallback::FillPercent(std::uint64_t written, std::uint64_t total)
{
    // Nothing known to be written yet; also keeps the division defined.
    if (total == 0)
        return 0;
    return static_cast<int>(100 * (static_cast<double>(written) / static_cast<double>(total) + 0.005));
}

int CCtrlFillDataCallback::OnStateChange(int notifyType, std::uint32_t param1, std::uint32_t param2,
                                         std::uint32_t param3, std::uint32_t param4, void*)
{
    if (IsFinished())
        return -1;
    if (IsStopRequested(Fill)) {
        Finish();
        return -1;
    }
    const std::uint64_t written = OvJoinWords(param1, param2);
    const std::uint64_t total = OvJoinWords(param3, param4);
    const int percent = FillPercent(written, total);
    qDebug("********fill progress. Notify_Type:%d value:%d param1:%lld param2:%lld", notifyType, percent,
           static_cast<long long>(written), static_cast<long long>(total));
    m_pResult(notifyType, percent);
    if (percent == 100)
        FileLog("fill data end. Notify_Type:%d param1:%lld.", notifyType, static_cast<long long>(written));
    return 0;
}
