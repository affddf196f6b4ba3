#include "CProcessLoadPhotoAndVideoTask.h"

#include "CGlobalData.h"
#include "LibraryTimeFormatter.h"
#include "PhotoOrder.h"
#include "RecordConversions.h"
#include "ovdriver.h"

#include <QHash>

#include <vector>

CProcessLoadPhotoAndVideoTask::CProcessLoadPhotoAndVideoTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadPhotoAndVideoTask::ClearLists(CGlobalData& store)
{
    store.m_obLPhotoAndVideo.clear();
}

void CProcessLoadPhotoAndVideoTask::Read(IPhotoVideoCategory& category, CGlobalData& store)
{
    // The items are ordered first and converted in their final places, each record made once.
    std::vector<const OvPhotoVideoItem*> items;
    std::vector<qint32> keys;
    items.reserve(static_cast<std::size_t>(ReserveHint(category.GetCount())));
    keys.reserve(items.capacity());
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvPhotoVideoItem*>(category.GetItem(i)); },
        [&](const OvPhotoVideoItem& item) {
            if (!item.fileName || !*item.fileName)
                return;
            items.push_back(&item);
            keys.push_back(static_cast<qint32>(item.time));
        });

    LibraryTimeFormatter& times = SystemTimeFormatter();
    QHash<int, QString> dates; // photos of one day share its text
    QVector<PhotoVideoInfo> photos;
    photos.reserve(static_cast<int>(items.size()));
    for (const int position : PhotoPositionsByKey(keys)) {
        const OvPhotoVideoItem& item = *items[static_cast<std::size_t>(position)];
        PhotoVideoInfo photo;
        photo.m_strFileName = LibraryText(item.fileName);
        photo.m_nHandle = ItemHandle(&item);
        photo.m_strPath = LibraryText(item.path);
        photo.m_nSize = item.size;
        photo.m_bDeleted = item.deleted ? 1 : 0;
        photo.m_nTime = item.time;
        photo.m_nSortKey = keys[static_cast<std::size_t>(position)];
        WallClock clock;
        if (times.FastWallClock(item.time, clock)) {
            QString& date = dates[clock.year * 10000 + clock.month * 100 + clock.day];
            if (date.isEmpty() && !LibraryTimeFormatter::Write(clock, kPhotoDateFormat, date))
                date = times.Format(item.time, kPhotoDateFormat);
            photo.m_strDate = date;
        } else {
            photo.m_strDate = times.Format(item.time, kPhotoDateFormat);
        }
        photo.m_nMediaKind = item.mediaKind;
        photos.append(std::move(photo));
    }
    store.m_obLPhotoAndVideo = std::move(photos);
}
