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

void SortPhotosByKey(QVector<PhotoVideoInfo>& photosInLoadOrder)
{
    // Sorting keys with positions and then moving each record once beats moving the records
    // about while sorting. Of equal keys the later loaded goes first.
    std::vector<std::pair<qint32, int>> order;
    order.reserve(static_cast<std::size_t>(photosInLoadOrder.size()));
    for (int i = 0; i < photosInLoadOrder.size(); ++i)
        order.emplace_back(photosInLoadOrder.at(i).m_nSortKey, i);
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second > b.second;
    });
    QVector<PhotoVideoInfo> sorted;
    sorted.reserve(photosInLoadOrder.size());
    for (const auto& position : order)
        sorted.append(std::move(photosInLoadOrder[position.second]));
    photosInLoadOrder = std::move(sorted);
}
