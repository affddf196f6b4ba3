#include "StoreTotals.h"

#include "CGlobalData.h"
#include "CleanHistory.h"
#include "ovdriver.h"

#include <mutex>

namespace {

constexpr quint64 kGiB = 1024ull * 1024 * 1024;

} // namespace

JunkTotal JunkListTotal(int code)
{
    JunkTotal total;
    CGlobalData* store = CGlobalData::GetInstance();
    {
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        const QVector<OneKeyFileInfo>* list = store->OneKeyFileList(code);
        if (!list)
            return total;
        for (const OneKeyFileInfo& file : *list)
            total.size += file.m_nSize;
        total.count = static_cast<quint64>(list->size());
    }
    if (code == OV_ONEKEY_CRASH_LOGS && total.size < kCrashLogThreshold)
        total.size = 0;
    return total;
}

quint64 JunkSizeTotal()
{
    quint64 sum = 0;
    for (int code : { OV_ONEKEY_USER_STORAGE, OV_ONEKEY_PHOTO_CACHES, OV_ONEKEY_DOWNLOAD_TEMP, OV_ONEKEY_CRASH_LOGS,
                      OV_ONEKEY_ITUNES_CACHES })
        sum += JunkListTotal(code).size;
    return sum;
}

quint64 TemporaryFileEstimate(quint64 usedBytes, quint64 totalBytes, const QString& lastUsedText)
{
    if (!lastUsedText.isEmpty() && lastUsedText != QLatin1String("0")) {
        const quint64 last = lastUsedText.toULongLong();
        const quint64 difference = usedBytes > last ? usedBytes - last : last - usedBytes;
        return difference >= kGiB ? difference / 40 : 0;
    }
    if (totalBytes == 0)
        return 0;
    const double percent = double(usedBytes) * 100.0 / double(totalBytes);
    if (percent <= 20.0 || usedBytes < 2 * kGiB)
        return 0;
    return (usedBytes - 2 * kGiB) / 40;
}

quint64 TemporaryFileEstimate()
{
    const CGlobalData* store = CGlobalData::GetInstance();
    const quint64 total = store->m_nTotalSpace;
    const quint64 free = store->m_nFreeSpace;
    if (total == 0 || free > total)
        return 0;
    return TemporaryFileEstimate(total - free, total, ReadCleanHistory(store->m_strDeviceKey).lastUsedSpace);
}
