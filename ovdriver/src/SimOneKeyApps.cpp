#include "SimOneKeyApps.h"

#include "DeviceImage.h"
#include "ErrorCodes.h"
#include "JobContext.h"
#include "SafePathComponent.h"
#include "SimDevice.h"
#include "SimOperation.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

template<std::size_t N> void copyText(char (&target)[N], const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(bytes.size()), N - 1);
    std::memcpy(target, bytes.constData(), length);
    target[length] = '\0';
}

template<std::size_t N> QString readText(const char (&source)[N])
{
    return QString::fromUtf8(source, static_cast<int>(strnlen(source, N)));
}

std::uint64_t bytes(const QJsonObject& app, const char* key)
{
    const double value = app.value(key).toDouble();
    return value > 0 ? static_cast<std::uint64_t>(value) : 0;
}

} // namespace

OvAppItem SimOneKeyApps::appItem(const QJsonObject& app, const DeviceImage& image)
{
    OvAppItem item {};
    copyText(item.name, app.value("name").toString());
    copyText(item.bundleId, app.value("bundleId").toString());
    copyText(item.version, app.value("version").toString());
    const QString icon = app.value("icon").toString();
    const QString iconFile = SafePathBelow(image.folder(), icon);
    if (!iconFile.isEmpty() && QFileInfo::exists(iconFile))
        copyText(item.iconPath, iconFile);
    item.staticSize = bytes(app, "staticSize");
    item.dataSize = bytes(app, "dataSize");
    return item;
}

SimOneKeyApps::SimOneKeyApps(SimDevice& device)
    : m_device(device)
    , m_fragments(device, "app fragments")
{ }

IDeviceOperation* SimOneKeyApps::CreateEraseFragments(CCallBack* callback, const OvAppDescriptor* apps,
                                                      std::uint32_t count)
{
    // Far more than the fifteen apps of the fragments feature: a larger count is garbage.
    constexpr std::uint32_t kMaxApps = 10000;
    QStringList bundleIds;
    QStringList names;
    if (apps && count <= kMaxApps) {
        for (std::uint32_t i = 0; i < count; ++i) {
            const QString bundleId
                = QString::fromUtf8(apps[i].bundleId, int(strnlen(apps[i].bundleId, sizeof apps[i].bundleId)));
            if (!bundleId.isEmpty())
                bundleIds << bundleId;
            else
                names << QString::fromUtf8(apps[i].name, int(strnlen(apps[i].name, sizeof apps[i].name)));
        }
    }
    if ((!apps && count > 0) || count > kMaxApps)
        return m_fragments.createRefused(callback, "fragments", "the app list is missing or too long");
    return m_fragments.createErase(callback, "fragments", [bundleIds, names](DeviceImage& copy) {
        int erased = 0;
        QJsonArray installed = copy.array("apps");
        for (int i = 0; i < installed.size(); ++i) {
            const QJsonObject app = installed.at(i).toObject();
            const bool chosen
                = bundleIds.contains(app.value("bundleId").toString()) || names.contains(app.value("name").toString());
            if (chosen && app.value("fragmentBytes").toDouble() > 0) {
                CategoryCore::clearFragments(copy, app.value("bundleId").toString());
                ++erased;
            }
        }
        return erased;
    });
}

IDeviceOperation* SimOneKeyApps::CreateScan(CCallBack* callback)
{
    return SimOperation::make(m_device, callback, "scan", [this](JobContext& job) {
        DeviceImage image;
        if (!job.openDevice(image, OV_NOTIFY_JOB_FAILED))
            return;
        const QJsonArray apps = image.array("apps");
        for (int i = 0; i < apps.size(); ++i) {
            OvAppItem item = appItem(apps.at(i).toObject(), image);
            if (!job.notify(OV_NOTIFY_ITEM_FOUND, 0, 0, 0, 0, &item))
                return;
            job.pace(i, apps.size());
            job.leaveIfAsked(image, i + 1, apps.size());
            if (job.deviceGone())
                return job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::DeviceGone, "the device left during the scan");
        }
        job.log(QString("code 16: %1 apps").arg(apps.size()));
        job.notify(OV_NOTIFY_ONEKEY_END, static_cast<std::uint32_t>(apps.size()));
    });
}

IDeviceOperation* SimOneKeyApps::CreateUninstall(CCallBack* callback, const OvAppDescriptor* app)
{
    if (!app) {
        return SimOperation::make(m_device, callback, "uninstall", [](JobContext& job) {
            job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::BadArgument, "no app given");
        });
    }
    const QString name = readText(app->name);
    const QString bundleId = readText(app->bundleId);
    return SimOperation::make(m_device, callback, "uninstall",
                              [this, name, bundleId](JobContext& job) { uninstall(job, name, bundleId); });
}

void SimOneKeyApps::uninstall(JobContext& job, const QString& name, const QString& bundleId)
{
    DeviceImage image;
    if (!job.openDevice(image, OV_NOTIFY_JOB_FAILED))
        return;
    QJsonArray apps = image.array("apps");
    int index = -1;
    for (int i = 0; i < apps.size() && index < 0; ++i) {
        const QJsonObject app = apps.at(i).toObject();
        const bool sameId = !bundleId.isEmpty() && app.value("bundleId").toString() == bundleId;
        const bool sameName = bundleId.isEmpty() && !name.isEmpty() && app.value("name").toString() == name;
        if (sameId || sameName)
            index = i;
    }
    if (index < 0)
        return job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::NotFound, QString("no app %1 (%2)").arg(name, bundleId));
    job.pause();
    const QJsonObject app = apps.at(index).toObject();
    OvAppItem item = appItem(app, image);
    item.iconPath[0] = '\0'; // the icon goes with the app
    apps.removeAt(index);
    image.setArray("apps", apps);
    QString error;
    if (!m_device.writeImage(image, &error))
        return job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::FileError, error);
    if (!app.value("icon").toString().isEmpty())
        QFile::remove(SafePathBelow(image.folder(), app.value("icon").toString()));
    job.log(QString("removed %1 (%2)").arg(app.value("name").toString(), app.value("bundleId").toString()));
    job.notify(OV_NOTIFY_ONEKEY_END, 0, 0, 0, 0, &item);
}
