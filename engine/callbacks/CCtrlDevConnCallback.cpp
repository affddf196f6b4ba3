#include "CCtrlDevConnCallback.h"

#include "CGlobalData.h"
#include "DeviceInfoBlocks.h"
#include "IDeviceAccess.h"
#include "Log.h"
#include "LookupModelName.h"
#include "RecordConversions.h"
#include "TaskSupport.h"

CCtrlDevConnCallback::CCtrlDevConnCallback(IntPointerResultFunc result)
    : m_pResult(result)
{ }

int CCtrlDevConnCallback::OnStateChange(int notifyType, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                                        void*)
{
    if (IsFinished())
        return -1;
    const DevicePairType pair = FirstDevicePair();
    DebugLog("CCtrlDevConnCallback::OnStateChange() Notify_Type:%d IBaseDevice:%08x", notifyType,
             PointerLogValue(pair.first));
    FileLog("connect to ios device end. Notify_Type:%d IBaseDevice:%08x", notifyType, PointerLogValue(pair.first));

    if (notifyType == OV_NOTIFY_READY) {
        OvBasicInfo info;
        const QString productType
            = CopyBasicInfo(pair.second, info) ? FieldText(info.productType, sizeof info.productType) : QString();
        CGlobalData::GetInstance()->m_strModelName = LookupModelName(productType);
        m_pResult(3, pair.first);
    } else if (notifyType == OV_NOTIFY_NOT_TRUSTED) {
        m_pResult(2, pair.first);
    } else {
        if (IDeviceAccess* access = IDeviceAccess::instance())
            access->RemoveDevice(pair.first);
        m_pResult(4, nullptr);
    }
    Finish();
    return 0;
}
