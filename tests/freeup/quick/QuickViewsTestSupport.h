#pragma once

#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "FakeMainWindow.h"
#include "MainWindowAccess.h"
#include "SignalRecorder.h"
#include "SimulatedPhone.h"

#include <QSignalSpy>
#include <QTest>

#include <mutex>

constexpr quint64 kGiB = 1024ull * 1024 * 1024;
constexpr quint64 kMiB = 1024ull * 1024;

/// Replaces the one-key list of `code` by files of the given sizes.
inline void SetOneKeyFiles(int code, const QList<quint64>& sizes)
{
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    QVector<OneKeyFileInfo>* list = store->OneKeyFileList(code);
    list->clear();
    for (quint64 size : sizes) {
        OneKeyFileInfo file;
        file.m_nId = list->size() + 1;
        file.m_nCode = code;
        file.m_nSize = size;
        list->append(file);
    }
}
