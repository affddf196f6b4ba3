// The two functions the library exports; everything else is reached through their interfaces.
#include <ovdriver.h>

#include "SimDevice.h"
#include "SimDeviceManager.h"
#include "SimLog.h"

extern "C" {

OVDRIVER_API int CreateDeviceManager(IDeviceManager** manager)
{
    if (!manager) {
        SimLog::write("CreateDeviceManager refused: no place for the manager");
        return -1;
    }
    *manager = &SimDeviceManager::instance();
    return 0;
}

OVDRIVER_API int GetiOSPrivacyCleanDevice(IPrivacyCleanDevice** device, IBaseDevice* base)
{
    if (!device) {
        SimLog::write("GetiOSPrivacyCleanDevice refused: no place for the device");
        return -1;
    }
    SimDevice* found = SimDeviceManager::instance().find(base);
    *device = found;
    if (!found) {
        SimLog::write(
            QString("GetiOSPrivacyCleanDevice: unknown device %1").arg(reinterpret_cast<quintptr>(base), 0, 16));
        return -1;
    }
    return 0;
}
}
