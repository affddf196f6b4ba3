#pragma once

#include "CategoryCore.h"

#include <ovdriver.h>

#include <QJsonObject>

class DeviceImage;
class JobContext;
class SimDevice;

/// The installed apps (code 16): the scan also serves the app sizes of the fragments feature.
class SimOneKeyApps final : public IOneKeyAppCategory
{
public:
    explicit SimOneKeyApps(SimDevice& device);
    ~SimOneKeyApps() = default;

    IDeviceOperation* CreateScan(CCallBack* callback) override;
    IDeviceOperation* CreateUninstall(CCallBack* callback, const OvAppDescriptor* app) override;
    IDeviceOperation* CreateEraseFragments(CCallBack* callback, const OvAppDescriptor* apps,
                                           std::uint32_t count) override;

private:
    static OvAppItem appItem(const QJsonObject& app, const DeviceImage& image);
    void uninstall(JobContext& job, const QString& name, const QString& bundleId);

    SimDevice& m_device;
    CategoryCore m_fragments;
};
