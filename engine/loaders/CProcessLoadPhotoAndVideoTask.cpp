#include "CProcessLoadPhotoAndVideoTask.h"

#include "CGlobalData.h"
#include "PhotoOrder.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadPhotoAndVideoTask::CProcessLoadPhotoAndVideoTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadPhotoAndVideoTask::ClearLists(CGlobalData& store)
{
    store.m_obLPhotoAndVideo.clear();
}

void CProcessLoadPhotoAndVideoTask::Read(IPhotoVideoCategory& category, CGlobalData& store)
{
    QVector<PhotoVideoInfo> photos;
    photos.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvPhotoVideoItem*>(category.GetItem(i)); },
        [&](const OvPhotoVideoItem& item) {
            PhotoVideoInfo photo;
            photo.m_strFileName = LibraryText(item.fileName);
            if (photo.m_strFileName.isEmpty())
                return;
            photo.m_nHandle = ItemHandle(&item);
            photo.m_strPath = LibraryText(item.path);
            photo.m_nSize = item.size;
            photo.m_bDeleted = item.deleted ? 1 : 0;
            photo.m_nTime = item.time;
            photo.m_nSortKey = static_cast<qint32>(item.time);
            photo.m_strDate = FormatLibraryTime(item.time, kPhotoDateFormat);
            photo.m_nMediaKind = item.mediaKind;
            photos.append(std::move(photo));
        });
    SortPhotosByKey(photos);
    store.m_obLPhotoAndVideo = std::move(photos);
}
