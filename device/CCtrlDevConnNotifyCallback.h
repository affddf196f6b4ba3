#pragma once

#include "ovdriver.h"

/// Receives the library's arrival and removal reports (on the library's thread) and
/// keeps the DeviceManager's list up to date. The DeviceManager embeds it and gives
/// itself as the user pointer when it registers it.
class CCtrlDevConnNotifyCallback : public CDeviceConnectCallBack
{
public:
    CCtrlDevConnNotifyCallback() = default;
    virtual ~CCtrlDevConnNotifyCallback() = default;
    CCtrlDevConnNotifyCallback(const CCtrlDevConnNotifyCallback&) = delete;
    CCtrlDevConnNotifyCallback& operator=(const CCtrlDevConnNotifyCallback&) = delete;

    int AppleDevCallback(int connectType, IBaseDevice* device, void* user) override;
};
