#include "PhotoOrder.h"

#include <algorithm>
#include <utility>
#include <vector>

void InsertPhotoByKey(QVector<PhotoVideoInfo>& photos, const PhotoVideoInfo& photo)
{
    const auto at = std::lower_bound(photos.begin(), photos.end(), photo,
                                     [](const PhotoVideoInfo& existing, const PhotoVideoInfo& added) {
                                         return existing.m_nSortKey > added.m_nSortKey;
                                     });
    photos.insert(at, photo);
}

std::vector<int> PhotoPositionsByKey(const std::vector<qint32>& keysInLoadOrder)
{
    std::vector<int> positions(keysInLoadOrder.size());
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = static_cast<int>(i);
    std::sort(positions.begin(), positions.end(), [&](int a, int b) {
        const qint32 keyA = keysInLoadOrder[static_cast<std::size_t>(a)];
        const qint32 keyB = keysInLoadOrder[static_cast<std::size_t>(b)];
        return keyA != keyB ? keyA > keyB : a > b;
    });
    return positions;
}

void SortPhotosByKey(QVector<PhotoVideoInfo>& photosInLoadOrder)
{
    // Sorting positions and then moving each record once beats moving the records about
    // while sorting.
    std::vector<qint32> keys;
    keys.reserve(static_cast<std::size_t>(photosInLoadOrder.size()));
    for (const PhotoVideoInfo& photo : qAsConst(photosInLoadOrder))
        keys.push_back(photo.m_nSortKey);
    QVector<PhotoVideoInfo> sorted;
    sorted.reserve(photosInLoadOrder.size());
    for (const int position : PhotoPositionsByKey(keys))
        sorted.append(std::move(photosInLoadOrder[position]));
    photosInLoadOrder = std::move(sorted);
}
