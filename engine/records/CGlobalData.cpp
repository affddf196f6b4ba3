#include "CGlobalData.h"

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
    case 32:
        return &m_obLUserStorage;
    case 64:
        return &m_obLPhotoCaches;
    case 128:
        return &m_obLDownloadTemp;
    case 256:
        return &m_obLCrashLogs;
    case 512:
        return &m_obLiTunesCaches;
    case 2048:
        return &m_obLCompressPhotos;
    case 2:
        return &m_obLTempFiles;
    case 8:
        return &m_obLLargeFiles;
    default:
        return nullptr;
    }
}
