#pragma once

#include <QMap>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>

/// What a new device image holds. Counts are (existing, deleted) where a kind has both.
struct DeviceContent
{
    QString name = "iPhone";
    QString productType = "iPhone14,2";
    QString productVersion = "16.5";
    QString uniqueId; ///< when empty, made from the seed and the folder name
    QString activationState = "Activated";
    quint64 totalBytes = 64ull << 30;
    quint64 systemBytes = 9ull << 30;

    int photos = 6;
    int deletedPhotos = 2;
    int videos = 2;
    int deletedVideos = 1;
    QSize photoSize { 320, 240 };
    qint64 videoBytes = 200 * 1024;
    int largeFiles = 3;
    qint64 largeFileBytes = 150ll << 20; ///< sparse: costs a few kilobytes of disk
    int junkFilesPerCode = 3;
    qint64 junkFileBytes = 16 * 1024;
    int tempFiles = 4;
    qint64 tempFileBytes = 12ll << 20;
    int extraApps = 3; ///< besides the fifteen apps of the fragments feature

    /// Records of every private category, unless `recordCounts` names the category.
    int records = 4;
    int deletedRecords = 2;
    QMap<QString, QPair<int, int>> recordCounts;
    int weChatAccounts = 2;

    bool plugged = false;
    bool trusted = true;
    bool locked = false;
    bool findMyIPhone = false;
    QString backupPassword; ///< non-empty: the backup is encrypted with it
    quint32 seed = 1;

    QPair<int, int> countsOf(const QString& category) const;
    /// "Demo iPhone": a few hundred photos and every kind of content.
    static DeviceContent demo();
};

/// Writes new device images: device.json, generated JPEG photos, videos, sparse large files,
/// junk files, app icons and photo thumbnails.
class ImageBuilder
{
public:
    static bool create(const QString& folder, const DeviceContent& content, QString* error);
    /// The fifteen apps whose fragments the program measures; WeChat carries its Chinese name.
    static const QStringList& fragmentApps();
};
