#include "SimOneKeyCategory.h"

#include "DeviceImage.h"
#include "ErrorCodes.h"
#include "ExportCopy.h"
#include "ItemConverters.h"
#include "JobContext.h"
#include "JpegTools.h"
#include "SafePathComponent.h"
#include "SimDevice.h"
#include "SimOperation.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
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

// The kinds the large-file view tells apart, by extension.
int fileKind(const QString& path)
{
    static const QStringList video { "mp4", "m4v", "mov", "avi", "mkv", "3gp", "mpg", "mpeg", "wmv", "flv", "vob" };
    static const QStringList audio { "mp3", "m4a", "aac", "wav", "flac", "aif", "aiff", "ogg", "wma", "m4r", "amr" };
    static const QStringList photo { "jpg", "jpeg", "png", "heic", "tif", "tiff", "gif", "bmp" };
    static const QStringList document { "pdf", "doc", "docx", "xls", "xlsx", "ppt", "pptx", "txt", "pages", "key" };
    static const QStringList archive { "zip", "rar", "7z", "gz", "tar", "tgz" };
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (video.contains(suffix))
        return 1;
    if (audio.contains(suffix))
        return 2;
    if (photo.contains(suffix))
        return 3;
    if (document.contains(suffix))
        return 4;
    if (archive.contains(suffix))
        return 5;
    return 0;
}

} // namespace

SimOneKeyCategory::SimOneKeyCategory(SimDevice& device, int code)
    : m_device(device)
    , m_code(code)
{ }

QString SimOneKeyCategory::arrayKey() const
{
    switch (m_code) {
    case OV_ONEKEY_TEMP_FILES:
        return "tempFiles";
    case OV_ONEKEY_LARGE_FILES:
        return "largeFiles";
    case OV_ONEKEY_PHOTOS:
    case OV_ONEKEY_COMPRESS_PHOTOS:
        return "media";
    default:
        return "junk";
    }
}

bool SimOneKeyCategory::isJunkOrTemp() const
{
    return m_code == OV_ONEKEY_TEMP_FILES || DeviceImage::junkCodes().contains(m_code);
}

bool SimOneKeyCategory::belongs(const QJsonObject& entry) const
{
    switch (m_code) {
    case OV_ONEKEY_TEMP_FILES:
    case OV_ONEKEY_LARGE_FILES:
        return true;
    case OV_ONEKEY_PHOTOS:
        return !entry.value("deleted").toBool();
    case OV_ONEKEY_COMPRESS_PHOTOS:
        return !entry.value("deleted").toBool() && entry.value("kind").toString() == "photo"
            && !entry.value("compressed").toBool();
    default:
        return entry.value("code").toInt() == m_code;
    }
}

OvOneKeyFileItem SimOneKeyCategory::fileItem(const QJsonObject& entry) const
{
    OvOneKeyFileItem item {};
    const QString path = entry.value("path").toString();
    copyText(item.name, QFileInfo(path).fileName());
    copyText(item.path, path);
    item.size = ItemConverters::size(entry);
    item.time = ItemConverters::integer(entry, "time");
    item.fileKind = m_code == OV_ONEKEY_COMPRESS_PHOTOS ? 3 : (m_code == OV_ONEKEY_LARGE_FILES ? fileKind(path) : 0);
    item.code = m_code;
    return item;
}

OvOneKeyMediaItem SimOneKeyCategory::mediaItem(const QJsonObject& entry, const DeviceImage& image) const
{
    OvOneKeyMediaItem item {};
    const QString path = entry.value("path").toString();
    item.id = static_cast<std::int32_t>(ItemConverters::integer(entry, "id"));
    copyText(item.name, QFileInfo(path).fileName());
    copyText(item.path, path);
    const QString thumbnail = entry.value("thumbnail").toString();
    const QString thumbnailFile = SafePathBelow(image.folder(), thumbnail);
    if (!thumbnailFile.isEmpty() && QFileInfo::exists(thumbnailFile))
        copyText(item.thumbnailPath, thumbnailFile);
    item.size = ItemConverters::size(entry);
    item.time = ItemConverters::integer(entry, "time");
    item.width = entry.value("width").toInt();
    item.height = entry.value("height").toInt();
    item.mediaKind = entry.value("kind").toString() == "video" ? 1 : 0;
    return item;
}

int SimOneKeyCategory::AddItem(const void* item)
{
    if (!item)
        return -1;
    const QString path = m_code == OV_ONEKEY_PHOTOS ? readText(static_cast<const OvOneKeyMediaItem*>(item)->path)
                                                    : readText(static_cast<const OvOneKeyFileItem*>(item)->path);
    if (path.isEmpty())
        return -1;
    std::lock_guard<std::mutex> lock(m_pendingMutex);
    m_pending << path;
    return 0;
}

QStringList SimOneKeyCategory::takePending()
{
    std::lock_guard<std::mutex> lock(m_pendingMutex);
    QStringList taken;
    taken.swap(m_pending);
    return taken;
}

IDeviceOperation* SimOneKeyCategory::unsupported(CCallBack* callback, const QString& job)
{
    return SimOperation::make(m_device, callback, QString("%1 %2").arg(job).arg(m_code), [](JobContext& context) {
        context.fail(OV_NOTIFY_JOB_FAILED, OvSimError::Unsupported, "this category has no such job");
    });
}

IDeviceOperation* SimOneKeyCategory::CreateScan(CCallBack* callback)
{
    return SimOperation::make(m_device, callback, "scan", [this](JobContext& job) { scan(job); });
}

IDeviceOperation* SimOneKeyCategory::CreateClean(CCallBack* callback)
{
    if (!isJunkOrTemp())
        return unsupported(callback, "clean");
    return SimOperation::make(m_device, callback, "clean", [this](JobContext& job) { clean(job); });
}

IDeviceOperation* SimOneKeyCategory::CreateProcess(CCallBack* callback)
{
    if (m_code == OV_ONEKEY_COMPRESS_PHOTOS) {
        const QStringList paths = takePending();
        return SimOperation::make(m_device, callback, "process",
                                  [this, paths](JobContext& job) { compress(job, paths); });
    }
    if (m_code == OV_ONEKEY_PHOTOS || m_code == OV_ONEKEY_LARGE_FILES) {
        const QStringList paths = takePending();
        return SimOperation::make(m_device, callback, "process",
                                  [this, paths](JobContext& job) { exportItems(job, paths, true); });
    }
    return unsupported(callback, "process");
}

IDeviceOperation* SimOneKeyCategory::CreateExport(CCallBack* callback)
{
    if (m_code != OV_ONEKEY_PHOTOS && m_code != OV_ONEKEY_LARGE_FILES)
        return unsupported(callback, "export");
    const QStringList paths = takePending();
    return SimOperation::make(m_device, callback, "export",
                              [this, paths](JobContext& job) { exportItems(job, paths, false); });
}

void SimOneKeyCategory::scan(JobContext& job)
{
    DeviceImage image;
    if (!job.openDevice(image, OV_NOTIFY_JOB_FAILED))
        return;
    QList<QJsonObject> found;
    const QJsonArray entries = image.array(arrayKey());
    for (const QJsonValue& value : entries) {
        if (belongs(value.toObject()))
            found << value.toObject();
    }
    for (int i = 0; i < found.size(); ++i) {
        if (m_code == OV_ONEKEY_PHOTOS) {
            OvOneKeyMediaItem item = mediaItem(found[i], image);
            if (!job.notify(OV_NOTIFY_ITEM_FOUND, 0, 0, 0, 0, &item))
                return;
        } else {
            OvOneKeyFileItem item = fileItem(found[i]);
            if (!job.notify(OV_NOTIFY_ITEM_FOUND, 0, 0, 0, 0, &item))
                return;
        }
        job.pace(i, found.size());
        job.leaveIfAsked(image, i + 1, found.size());
        if (job.deviceGone())
            return job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::DeviceGone, "the device left during the scan");
    }
    job.log(QString("code %1: %2 items").arg(m_code).arg(found.size()));
    job.notify(OV_NOTIFY_ONEKEY_END, static_cast<std::uint32_t>(found.size()));
}

void SimOneKeyCategory::clean(JobContext& job)
{
    DeviceImage image;
    if (!job.openDevice(image, OV_NOTIFY_JOB_FAILED))
        return;
    const QString key = arrayKey();
    const QJsonArray entries = image.array(key);
    QJsonArray kept;
    QList<QJsonObject> doomed;
    for (const QJsonValue& value : entries) {
        if (belongs(value.toObject()))
            doomed << value.toObject();
        else
            kept.append(value);
    }
    // The files go in about twenty batches, each first left out of the manifest and saved,
    // then deleted: killed at any moment, the image never lists a file it no longer has.
    const int total = doomed.size();
    const int batch = std::max(1, (total + 19) / 20);
    int removed = 0;
    bool gone = false;
    QString error;
    while (removed < total && !job.stopped() && !gone) {
        const int end = std::min(total, removed + batch);
        QJsonArray listed = kept;
        for (int i = end; i < total; ++i)
            listed.append(doomed[i]);
        image.setArray(key, listed);
        if (!m_device.writeImage(image, &error))
            return job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::FileError, error);
        for (; removed < end && !job.stopped(); ++removed) {
            // Temporary files are a figure of the device, not files of the image.
            if (key == "junk")
                QFile::remove(image.localPath(doomed[removed].value("path").toString()));
            OvOneKeyFileItem item = fileItem(doomed[removed]);
            job.notify(OV_NOTIFY_ITEM_DONE, 0, 0, 0, 0, &item);
        }
        if (job.stopped() && removed < end) {
            // Stopped inside a batch: what was not deleted is listed again.
            QJsonArray left = kept;
            for (int i = removed; i < total; ++i)
                left.append(doomed[i]);
            image.setArray(key, left);
            if (!m_device.writeImage(image, &error))
                return job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::FileError, error);
        }
        job.pace(removed - 1, total);
        job.leaveIfAsked(image, removed, total);
        gone = job.deviceGone();
    }
    if (gone)
        return job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::DeviceGone, "the device left during the clean");
    if (job.stopped())
        return;
    job.log(QString("code %1: %2 items removed").arg(m_code).arg(removed));
    job.notify(OV_NOTIFY_ONEKEY_END, static_cast<std::uint32_t>(removed));
}

void SimOneKeyCategory::compress(JobContext& job, const QStringList& paths)
{
    DeviceImage image;
    if (!job.openDevice(image, OV_NOTIFY_JOB_FAILED))
        return;
    const QString folder = m_device.deviceKey(image) + "/Compress";
    QJsonArray media = image.array("media");
    int compressed = 0;
    bool gone = false;
    QString error;
    for (int p = 0; p < paths.size() && !job.stopped() && !gone; ++p) {
        int index = -1;
        for (int i = 0; i < media.size() && index < 0; ++i) {
            const QJsonObject entry = media.at(i).toObject();
            if (entry.value("path").toString() == paths[p] && belongs(entry))
                index = i;
        }
        if (index < 0) {
            job.log("not a photo to compress: " + paths[p]);
            continue;
        }
        QJsonObject entry = media.at(index).toObject();
        const QString local = image.localPath(paths[p]);
        OvOneKeyFileItem item = fileItem(entry);
        // The photo is changed on the device only once its original is safely kept.
        if (ExportCopy::copyVerified(local, folder, SafePathComponent(QFileInfo(local).fileName()), true, &error)
                .isEmpty()) {
            image.setArray("media", media);
            m_device.writeImage(image);
            return job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::FileError, error);
        }
        if (!job.notify(OV_NOTIFY_ORIGINAL_BACKED_UP, 0, 0, 0, 0, &item))
            break;
        qint64 newSize = 0;
        if (!JpegTools::recompressSmaller(local, &newSize, &error)) {
            job.log(error);
            continue;
        }
        entry.insert("size", static_cast<double>(newSize));
        entry.insert("compressed", true);
        media.replace(index, entry);
        ++compressed;
        job.notify(OV_NOTIFY_ITEM_DONE, 0, 0, 0, 0, &item);
        job.pace(p, paths.size());
        job.leaveIfAsked(image, p + 1, paths.size());
        gone = job.deviceGone();
    }
    image.setArray("media", media);
    if (!m_device.writeImage(image, &error))
        return job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::FileError, error);
    if (gone)
        return job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::DeviceGone, "the device left during the compression");
    job.log(QString("%1 photos compressed, originals in %2").arg(compressed).arg(folder));
    job.notify(OV_NOTIFY_ONEKEY_END, static_cast<std::uint32_t>(compressed));
}

void SimOneKeyCategory::exportItems(JobContext& job, const QStringList& paths, bool deleteAfter)
{
    DeviceImage image;
    if (!job.openDevice(image, OV_NOTIFY_JOB_FAILED))
        return;
    const QString key = arrayKey();
    const QString folder = m_device.deviceKey(image) + (m_code == OV_ONEKEY_PHOTOS ? "/Export" : "/Large");
    QJsonArray entries = image.array(key);
    int done = 0;
    bool gone = false;
    QString error;
    for (int p = 0; p < paths.size() && !job.stopped() && !gone; ++p) {
        int index = -1;
        for (int i = 0; i < entries.size() && index < 0; ++i) {
            const QJsonObject entry = entries.at(i).toObject();
            if (entry.value("path").toString() == paths[p] && belongs(entry))
                index = i;
        }
        if (index < 0) {
            job.log("not on the device: " + paths[p]);
            continue;
        }
        const QJsonObject entry = entries.at(index).toObject();
        const QString local = image.localPath(paths[p]);
        // Deleted from the device only once the copy is known good; large files, usually
        // sparse and huge, are checked by size.
        const bool photo = entry.value("kind").toString() == "photo";
        if (ExportCopy::copyVerified(local, folder, SafePathComponent(QFileInfo(local).fileName()), photo, &error)
                .isEmpty()) {
            image.setArray(key, entries);
            m_device.writeImage(image);
            return job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::FileError, error);
        }
        OvOneKeyMediaItem media = m_code == OV_ONEKEY_PHOTOS ? mediaItem(entry, image) : OvOneKeyMediaItem {};
        OvOneKeyFileItem file = m_code == OV_ONEKEY_PHOTOS ? OvOneKeyFileItem {} : fileItem(entry);
        if (deleteAfter) {
            // Out of the manifest before the file goes, so a kill never leaves it listed.
            entries.removeAt(index);
            image.setArray(key, entries);
            if (!m_device.writeImage(image, &error))
                return job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::FileError, error);
            QFile::remove(local);
            if (!entry.value("thumbnail").toString().isEmpty())
                QFile::remove(SafePathBelow(image.folder(), entry.value("thumbnail").toString()));
        }
        ++done;
        job.notify(OV_NOTIFY_ITEM_DONE, 0, 0, 0, 0, m_code == OV_ONEKEY_PHOTOS ? static_cast<void*>(&media) : &file);
        job.pace(p, paths.size());
        job.leaveIfAsked(image, p + 1, paths.size());
        gone = job.deviceGone();
    }
    if (gone)
        return job.fail(OV_NOTIFY_JOB_FAILED, OvSimError::DeviceGone, "the device left during the export");
    job.log(QString("%1 items copied to %2%3").arg(done).arg(folder, deleteAfter ? " and deleted" : ""));
    job.notify(OV_NOTIFY_ONEKEY_END, static_cast<std::uint32_t>(done));
}
