#include "SimPhotoVideoCategory.h"

#include <QFile>

SimPhotoVideoCategory::SimPhotoVideoCategory(SimDevice& device)
    : RecordCategory(device, "photos and videos", &ItemConverters::photoVideo)
{ }

void SimPhotoVideoCategory::rebuild(const DeviceImage* copy)
{
    m_table.clear();
    if (!copy)
        return m_table.seal();
    const QJsonArray media = copy->array("media");
    m_table.items.reserve(static_cast<std::size_t>(media.size()));
    for (const QJsonValue& value : media) {
        m_table.items.push_back(ItemConverters::photoVideo(value.toObject(), m_table.strings));
        m_table.ids.push_back(DeviceImage::idOf(value.toObject()));
    }
    m_table.seal();
}

IDeviceOperation* SimPhotoVideoCategory::CreateEraseSelected(OvItemList items, CCallBack* callback)
{
    return m_core.createEraseItems(m_table, items, callback, "photos and videos",
                                   [](DeviceImage& copy, const QSet<qint64>& ids) {
                                       QJsonArray kept;
                                       int erased = 0;
                                       const QJsonArray media = copy.array("media");
                                       for (const QJsonValue& value : media) {
                                           const QJsonObject item = value.toObject();
                                           if (!ids.contains(DeviceImage::idOf(item))) {
                                               kept.append(item);
                                               continue;
                                           }
                                           QFile::remove(copy.localPath(item.value("path").toString()));
                                           ++erased;
                                       }
                                       copy.setArray("media", kept);
                                       return erased;
                                   });
}
