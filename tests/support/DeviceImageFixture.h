#pragma once

#include "DeviceImage.h"
#include "ImageBuilder.h"
#include "ImageSummary.h"

#include <QByteArray>
#include <QFileInfo>
#include <QJsonValue>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

#include <functional>

/// Simulated devices for tests: device images with known content in a temporary folder of
/// their own. While the fixture lives, OVDRIVER_SIM_ROOT and OVDRIVER_BACKUP_DIR point into
/// that folder (and OVDRIVER_EXPORT_DIR is unset, so the device key is the image folder);
/// the destructor restores the variables and removes everything.
///
/// The library reads OVDRIVER_SIM_ROOT when the program registers its arrival callback, so
/// make the fixture first and register afterwards.
class DeviceImageFixture
{
public:
    DeviceImageFixture();
    ~DeviceImageFixture();
    DeviceImageFixture(const DeviceImageFixture&) = delete;
    DeviceImageFixture& operator=(const DeviceImageFixture&) = delete;

    bool isValid() const { return m_folder.isValid(); }
    QString root() const { return m_folder.path() + "/devices"; }
    QString backupRoot() const { return m_folder.path() + "/backups"; }

    /// Content small enough to create in a few milliseconds: 6 photos (2 deleted), 2 videos
    /// (1 deleted), 3 sparse large files, 3 junk files per code, 4 temporary files, 18 apps,
    /// 4 existing and 2 deleted records in every private category, 2 WeChat accounts.
    static DeviceContent smallContent();
    /// Creates the image `name` under root() and returns its folder, or an empty text
    /// (lastError() says why).
    QString create(const QString& name = "iPhone", const DeviceContent& content = smallContent());
    QString lastError() const { return m_error; }
    /// An image folder whose device.json is `json` as given, however malformed.
    QString createRaw(const QString& name, const QByteArray& json);

    bool plug(const QString& folder) const { return !folder.isEmpty() && DeviceImage(folder).setPlugged(true); }
    bool unplug(const QString& folder) const { return !folder.isEmpty() && DeviceImage(folder).setPlugged(false); }
    bool isPlugged(const QString& folder) const { return DeviceImage(folder).isPlugged(); }
    bool trust(const QString& folder)
    {
        return edit(folder, [](DeviceImage& image) { image.set("trusted", true); });
    }
    bool unlock(const QString& folder)
    {
        return edit(folder, [](DeviceImage& image) { image.set("locked", false); });
    }
    /// The faults of `ovsim fault`: "connect", "backup", "restore", "fill" take a code,
    /// "leave" a job name; 0 or an empty text clears.
    bool setFault(const QString& folder, const QString& operation, const QJsonValue& value)
    {
        return edit(folder, [&](DeviceImage& image) { image.setFault(operation, value); });
    }
    /// Any change of device.json.
    bool edit(const QString& folder, const std::function<void(DeviceImage&)>& change);

    /// The device's image as it is on disk now (check isValid through root().isEmpty()).
    DeviceImage image(const QString& folder) const;
    ImageSummary summary(const QString& folder) const { return ImageSummary::of(image(folder)); }
    /// The computer's backup copy of the device, as the library keeps it.
    QString backupFolder(const QString& folder) const;
    bool hasBackup(const QString& folder) const { return QFileInfo::exists(backupFolder(folder) + "/device.json"); }
    DeviceImage backup(const QString& folder) const { return image(backupFolder(folder)); }
    ImageSummary backupSummary(const QString& folder) const { return ImageSummary::of(backup(folder)); }
    QString uniqueId(const QString& folder) const { return image(folder).text("uniqueId"); }
    /// What the library reports at byte 1040: exports go below it.
    QString deviceKey(const QString& folder) const;

    /// Polls `condition` until it holds or `timeoutMs` passes.
    static bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

private:
    void setVariable(const char* name, const QByteArray& value);

    QTemporaryDir m_folder;
    QString m_error;
    QMap<QByteArray, QByteArray> m_saved;
    QMap<QByteArray, bool> m_wasSet;
};
