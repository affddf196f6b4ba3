#include "SimRestoreInterface.h"

#include "DeviceImage.h"
#include "ErrorCodes.h"
#include "JobContext.h"
#include "SafePathComponent.h"
#include "SimDevice.h"
#include "SimOperation.h"
#include "SparseFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cstdio>

namespace {

QHash<QString, QJsonObject> byKey(const QJsonArray& entries, const QString& key)
{
    QHash<QString, QJsonObject> map;
    for (const QJsonValue& value : entries)
        map.insert(value.toObject().value(key).toVariant().toString(), value.toObject());
    return map;
}

// Keeps the device's files of `key` that the copy still lists; files the copy lists but the
// device lost cannot come back (they are not part of a backup) and leave the manifest.
QJsonArray keepListed(DeviceImage& image, const DeviceImage& copy, const QString& key, QStringList& doomed)
{
    const QHash<QString, QJsonObject> listed = byKey(copy.array(key), "path");
    QJsonArray kept;
    const QJsonArray current = image.array(key);
    for (const QJsonValue& value : current) {
        const QString path = value.toObject().value("path").toString();
        if (listed.contains(path))
            kept.append(value);
        else
            doomed << image.localPath(path);
    }
    return kept;
}

} // namespace

IDeviceOperation* SimRestoreInterface::CreateRestore(int restoreType, CCallBack* callback)
{
    return SimOperation::make(m_device, callback, "restore",
                              [this, restoreType](JobContext& job) { run(job, restoreType); });
}

void SimRestoreInterface::run(JobContext& job, int restoreType)
{
    auto fail = [&job](int code, const QString& why) { job.fail(OV_NOTIFY_RESTORE_FAILED, code, why); };
    DeviceImage image;
    if (!job.openDevice(image, OV_NOTIFY_RESTORE_FAILED))
        return;
    if (image.flag("locked") || !image.flag("trusted"))
        return fail(OvSimError::NotTrusted, "the device is locked or does not trust this computer");
    const int fault = image.faultCode("restore");
    job.log(QString("started, type %1").arg(restoreType));

    bool written = false;
    m_device.withBackupCopy([&](DeviceImage* copy) {
        if (!copy)
            return fail(OvSimError::NoBackup, "there is no backup of this device");
        constexpr int steps = 10;
        for (int step = 1; step < steps; ++step) {
            job.leaveIfAsked(image, step, steps);
            if (job.deviceGone())
                return fail(OvSimError::DeviceGone, "the device left during the restore");
            if (fault != 0 && step >= 4)
                return fail(fault, "the fault of its image");
            // A stop before the copy is written leaves the device as it was.
            if (!job.notify(OV_NOTIFY_RESTORE_PROGRESS, static_cast<std::uint32_t>(step * 100 / steps)))
                return;
            job.pause();
        }
        const QStringList doomed = apply(image, *copy, restoreType, job);
        QString error;
        if (!m_device.writeImage(image, &error))
            return fail(OvSimError::FileError, error);
        // Deleted only once the manifest no longer lists them: a kill before this point
        // leaves files nobody lists, never a manifest naming missing files.
        for (const QString& path : doomed)
            QFile::remove(path);
        written = true;
    });
    if (!written)
        return;
    if (job.notify(OV_NOTIFY_RESTORE_PROGRESS, 100) && job.notify(OV_NOTIFY_RESTORE_END))
        job.log("finished");
    m_device.beginRestart();
}

QStringList SimRestoreInterface::apply(DeviceImage& image, const DeviceImage& copy, int restoreType, JobContext& job)
{
    QStringList doomed;
    // Photos and videos become exactly those of the copy.
    const QHash<QString, QJsonObject> kept = byKey(copy.array("media"), "id");
    const QJsonArray current = image.array("media");
    for (const QJsonValue& value : current) {
        const QJsonObject item = value.toObject();
        if (!kept.contains(item.value("id").toVariant().toString())) {
            doomed << image.localPath(item.value("path").toString());
            if (!item.value("thumbnail").toString().isEmpty())
                doomed << SafePathBelow(image.folder(), item.value("thumbnail").toString());
        }
    }
    QJsonArray media;
    const QJsonArray wanted = copy.array("media");
    for (const QJsonValue& value : wanted) {
        const QJsonObject item = value.toObject();
        const QString path = item.value("path").toString();
        const QString local = image.localPath(path);
        if (!QFileInfo(local).isFile() || static_cast<quint64>(QFileInfo(local).size()) != DeviceImage::sizeOf(item)) {
            // Written beside and renamed over, so a kill never leaves a half photo the
            // device would refuse to connect with.
            QString error;
            const QString partial = QString("%1.restoring-%2").arg(local).arg(QCoreApplication::applicationPid());
            const bool copied = SparseFile::copy(copy.localPath(path), partial, &error);
#if defined(_WIN32)
            if (copied)
                QFile::remove(local); // rename does not replace on Windows
#endif
            if (!copied
                || std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(local).constData()) != 0) {
                QFile::remove(partial);
                job.log("cannot restore " + path + ": " + (error.isEmpty() ? "cannot replace " + local : error));
                continue;
            }
        }
        media.append(item);
    }
    image.setArray("media", media);
    image.set("privateData", copy.root().value("privateData"));

    if (restoreType == 0) {
        // Records the device held without a usable id were never in the copy; an erase of
        // everything takes them too.
        const QJsonArray unlisted = image.setAside().value("media").toArray();
        for (const QJsonValue& value : unlisted)
            doomed << image.localPath(value.toObject().value("path").toString());
        image.setSetAside({});
        const QHash<QString, QJsonObject> apps = byKey(copy.array("apps"), "bundleId");
        const QJsonArray installed = image.array("apps");
        for (const QJsonValue& value : installed) {
            const QJsonObject app = value.toObject();
            if (!apps.contains(app.value("bundleId").toString()) && !app.value("icon").toString().isEmpty())
                doomed << SafePathBelow(image.folder(), app.value("icon").toString());
        }
        image.setArray("apps", copy.array("apps"));
        image.setArray("largeFiles", keepListed(image, copy, "largeFiles", doomed));
        image.setArray("junk", keepListed(image, copy, "junk", doomed));
        image.setArray("tempFiles", copy.array("tempFiles"));
        image.set("otherBytes", copy.root().value("otherBytes"));
        return doomed;
    }
    // The copy's app data sizes carry the fragments erased from it.
    const QHash<QString, QJsonObject> apps = byKey(copy.array("apps"), "bundleId");
    QJsonArray installed = image.array("apps");
    for (int i = 0; i < installed.size(); ++i) {
        QJsonObject app = installed.at(i).toObject();
        const auto found = apps.constFind(app.value("bundleId").toString());
        if (found == apps.constEnd())
            continue;
        app.insert("dataSize", found->value("dataSize"));
        app.insert("fragmentBytes", found->value("fragmentBytes"));
        installed.replace(i, app);
    }
    image.setArray("apps", installed);
    return doomed;
}
