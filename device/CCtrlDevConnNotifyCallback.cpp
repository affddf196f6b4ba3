#include "CCtrlDevConnNotifyCallback.h"

#include "DeviceManager.h"
#include "Log.h"

int CCtrlDevConnNotifyCallback::AppleDevCallback(int connectType, IBaseDevice* device, void* user)
{
    const unsigned int address = PointerLogValue(device);
    DebugLog("*******CCtrlDevConnNotifyCallback::AppleDevCallback connectType:%d IBaseDevice:%08x", connectType,
             address);
    FileLog("*******CCtrlDevConnNotifyCallback::AppleDevCallback connectType:%d IBaseDevice:%08x", connectType,
            address);

    auto* manager = static_cast<DeviceManager*>(user);
    if (!manager)
        return 0;
    if (connectType == 1) {
        IPrivacyCleanDevice* cleanDevice = nullptr;
        GetiOSPrivacyCleanDevice(&cleanDevice, device);
        // A null factory is kept too: it reads as no device wherever the pair is used.
        manager->AddDevice(device, cleanDevice);
        manager->CallConnectHandler(device);
    } else {
        manager->RemoveDevice(device);
        manager->CallDisconnectHandler(device);
    }
    return 0;
}
