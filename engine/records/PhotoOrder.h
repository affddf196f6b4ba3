#pragma once

#include "PhotoVideoInfo.h"

#include <QVector>

#include <vector>

// The photo list is ordered by sort key, largest first; a record whose key equals an
// existing one's goes before it, so among equal keys the later loaded comes first.

/// Places one record by binary search (one insertion into the array per record).
void InsertPhotoByKey(QVector<PhotoVideoInfo>& photos, const PhotoVideoInfo& photo);
/// Orders records in load order exactly as inserting them one by one would, in n log n.
void SortPhotosByKey(QVector<PhotoVideoInfo>& photosInLoadOrder);
/// The positions, in the order above, of records with these sort keys in load order.
std::vector<int> PhotoPositionsByKey(const std::vector<qint32>& keysInLoadOrder);
