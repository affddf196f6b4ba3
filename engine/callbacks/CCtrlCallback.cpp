#include "CCtrlCallback.h"

#include "IDeviceAccess.h"

bool CCtrlCallback::IsStopRequested(JobKind jobKind)
{
    IDeviceAccess* access = IDeviceAccess::instance();
    return access && access->TestAndClearStopRequest(jobKind);
}
