#include "PhotoOrder.h"

#include <algorithm>

void InsertPhotoByKey(QVector<PhotoVideoInfo>& photos, const PhotoVideoInfo& photo)
{
    const auto at = std::lower_bound(photos.begin(), photos.end(), photo,
                                     [](const PhotoVideoInfo& existing, const PhotoVideoInfo& added) {
                                         return existing.m_nSortKey > added.m_nSortKey;
                                     });
    photos.insert(at, photo);
}

void SortPhotosByKey(QVector<PhotoVideoInfo>& photosInLoadOrder)
{
    // A stable sort of the reversed load order keeps later records before earlier equal ones.
    std::reverse(photosInLoadOrder.begin(), photosInLoadOrder.end());
    std::stable_sort(photosInLoadOrder.begin(), photosInLoadOrder.end(),
                     [](const PhotoVideoInfo& a, const PhotoVideoInfo& b) { return a.m_nSortKey > b.m_nSortKey; });
}
