#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>

class DeviceImage;

/// What a device image (or a backup) holds: per category, how many items exist, how many
/// are deleted, and the bytes they take. `ovsim show` prints it; tests compare it.
class ImageSummary
{
public:
    struct Count
    {
        int existing = 0;
        int deleted = 0;
        quint64 bytes = 0;
        int total() const { return existing + deleted; }
        bool operator==(const Count& other) const
        {
            return existing == other.existing && deleted == other.deleted && bytes == other.bytes;
        }
        bool operator!=(const Count& other) const { return !(*this == other); }
    };

    static ImageSummary of(const DeviceImage& image);
    /// The category names in display order: private categories (messages also as
    /// "messageItems" and "messageAttachments"), "photos", "videos", "apps", "largeFiles",
    /// "junk32" to "junk512", "tempFiles".
    static const QStringList& categoryNames();

    Count count(const QString& category) const { return m_counts.value(category); }
    const QMap<QString, Count>& counts() const { return m_counts; }

    QString name;
    QString uniqueId;
    quint64 totalBytes = 0;
    quint64 usedBytes = 0;
    quint64 freeBytes = 0;
    bool plugged = false;
    bool trusted = false;
    bool locked = false;
    int weChatAccounts = 0;

    QJsonObject toJson() const;
    QString toText() const;

private:
    QMap<QString, Count> m_counts;
};
