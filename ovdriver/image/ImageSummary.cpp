#include "ImageSummary.h"

#include "DeviceImage.h"

#include <QJsonArray>
#include <QTextStream>

namespace {

void add(ImageSummary::Count& count, bool deleted, quint64 bytes)
{
    if (deleted)
        ++count.deleted;
    else
        ++count.existing;
    count.bytes += bytes;
}

} // namespace

const QStringList& ImageSummary::categoryNames()
{
    static const QStringList names = [] {
        QStringList list { "messages", "messageItems", "messageAttachments" };
        for (const QString& category : DeviceImage::privateCategories()) {
            if (category != "messages")
                list << category;
        }
        list << "photos"
             << "videos"
             << "apps"
             << "largeFiles";
        for (int code : DeviceImage::junkCodes())
            list << QString("junk%1").arg(code);
        list << "tempFiles";
        return list;
    }();
    return names;
}

ImageSummary ImageSummary::of(const DeviceImage& image)
{
    ImageSummary summary;
    for (const QString& name : categoryNames())
        summary.m_counts.insert(name, Count());

    const QJsonArray conversations = image.privateArray("messages");
    for (const QJsonValue& conversationValue : conversations) {
        const QJsonObject conversation = conversationValue.toObject();
        const bool conversationDeleted = conversation.value("deleted").toBool();
        add(summary.m_counts["messages"], conversationDeleted, 0);
        const QJsonArray messages = conversation.value("messages").toArray();
        for (const QJsonValue& messageValue : messages) {
            const QJsonObject message = messageValue.toObject();
            const bool messageDeleted = conversationDeleted || message.value("deleted").toBool();
            add(summary.m_counts["messageItems"], messageDeleted, 0);
            const QJsonArray attachments = message.value("attachments").toArray();
            for (const QJsonValue& attachment : attachments) {
                const QJsonObject object = attachment.toObject();
                add(summary.m_counts["messageAttachments"], messageDeleted || object.value("deleted").toBool(),
                    DeviceImage::sizeOf(object));
            }
        }
    }
    for (const QString& category : DeviceImage::privateCategories()) {
        if (category == "messages")
            continue;
        const QJsonArray records = image.privateArray(category);
        for (const QJsonValue& value : records) {
            const QJsonObject record = value.toObject();
            add(summary.m_counts[category], record.value("deleted").toBool(), DeviceImage::sizeOf(record));
        }
    }
    const QJsonArray media = image.array("media");
    for (const QJsonValue& value : media) {
        const QJsonObject item = value.toObject();
        const QString key = item.value("kind").toString() == "video" ? "videos" : "photos";
        add(summary.m_counts[key], item.value("deleted").toBool(), DeviceImage::sizeOf(item));
    }
    const QJsonArray apps = image.array("apps");
    for (const QJsonValue& value : apps) {
        const QJsonObject app = value.toObject();
        add(summary.m_counts["apps"], false,
            static_cast<quint64>(app.value("staticSize").toDouble() + app.value("dataSize").toDouble()));
    }
    const QJsonArray large = image.array("largeFiles");
    for (const QJsonValue& value : large)
        add(summary.m_counts["largeFiles"], false, DeviceImage::sizeOf(value.toObject()));
    const QJsonArray junk = image.array("junk");
    for (const QJsonValue& value : junk) {
        const QJsonObject item = value.toObject();
        const QString key = QString("junk%1").arg(item.value("code").toInt());
        if (summary.m_counts.contains(key))
            add(summary.m_counts[key], false, DeviceImage::sizeOf(item));
    }
    const QJsonArray temp = image.array("tempFiles");
    for (const QJsonValue& value : temp)
        add(summary.m_counts["tempFiles"], false, DeviceImage::sizeOf(value.toObject()));

    summary.name = image.text("name");
    summary.uniqueId = image.text("uniqueId");
    summary.totalBytes = image.totalBytes();
    summary.usedBytes = image.usedBytes();
    summary.freeBytes = image.freeBytes();
    summary.plugged = image.isPlugged();
    summary.trusted = image.flag("trusted");
    summary.locked = image.flag("locked");
    summary.weChatAccounts = image.weChatAccounts().size();
    return summary;
}

QJsonObject ImageSummary::toJson() const
{
    QJsonObject categories;
    for (auto it = m_counts.begin(); it != m_counts.end(); ++it) {
        categories.insert(it.key(),
                          QJsonObject { { "existing", it.value().existing },
                                        { "deleted", it.value().deleted },
                                        { "bytes", static_cast<double>(it.value().bytes) } });
    }
    return QJsonObject { { "name", name },
                         { "uniqueId", uniqueId },
                         { "totalBytes", static_cast<double>(totalBytes) },
                         { "usedBytes", static_cast<double>(usedBytes) },
                         { "freeBytes", static_cast<double>(freeBytes) },
                         { "plugged", plugged },
                         { "trusted", trusted },
                         { "locked", locked },
                         { "weChatAccounts", weChatAccounts },
                         { "categories", categories } };
}

QString ImageSummary::toText() const
{
    QString text;
    QTextStream out(&text);
    out << name << " (" << uniqueId << ")" << (plugged ? ", plugged" : ", unplugged")
        << (trusted ? "" : ", not trusted") << (locked ? ", locked" : "") << "\n";
    out << "total " << totalBytes << " bytes, used " << usedBytes << ", free " << freeBytes << "\n";
    out << QString("%1 %2 %3 %4\n").arg("category", -22).arg("existing", 9).arg("deleted", 9).arg("bytes", 14);
    for (const QString& key : categoryNames()) {
        const Count c = m_counts.value(key);
        out << QString("%1 %2 %3 %4\n").arg(key, -22).arg(c.existing, 9).arg(c.deleted, 9).arg(c.bytes, 14);
    }
    out << "WeChat accounts: " << weChatAccounts << "\n";
    return text;
}
