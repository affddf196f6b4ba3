#include "CGlobalData.h"
#include "ovdriver.h"

#include <cstdlib>
#include <mutex>

namespace {
CGlobalData* g_pGlobalData = nullptr;

void ReleaseGlobalData()
{
    delete g_pGlobalData;
    g_pGlobalData = nullptr;
}
} // namespace

CGlobalData* CGlobalData::GetInstance()
{
    static std::once_flag created;
    std::call_once(created, [] {
        g_pGlobalData = new CGlobalData;
        std::atexit(ReleaseGlobalData);
    });
    return g_pGlobalData;
}

QVector<OneKeyFileInfo>* CGlobalData::OneKeyFileList(int type)
{
    switch (type) {
    case OV_ONEKEY_USER_STORAGE:
        return &m_obLUserStorage;
    case OV_ONEKEY_PHOTO_CACHES:
        return &m_obLPhotoCaches;
    case OV_ONEKEY_DOWNLOAD_TEMP:
        return &m_obLDownloadTemp;
    case OV_ONEKEY_CRASH_LOGS:
        return &m_obLCrashLogs;
    case OV_ONEKEY_ITUNES_CACHES:
        return &m_obLiTunesCaches;
    case OV_ONEKEY_COMPRESS_PHOTOS:
        return &m_obLCompressPhotos;
    case OV_ONEKEY_TEMP_FILES:
        return &m_obLTempFiles;
    case OV_ONEKEY_LARGE_FILES:
        return &m_obLLargeFiles;
    default:
        return nullptr;
    }
}
