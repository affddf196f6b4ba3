#pragma once

#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "DeviceImageFixture.h"
#include "FakeMainWindow.h"
#include "SignalRecorder.h"
#include "MainWindowAccess.h"

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

inline void OnArrival(IBaseDevice*, void*)
{
    CTaskCallback::Emit_singalDevConnToPC();
}

/// Creates, plugs and connects a simulated device as the main window would; returns its
/// image folder, or an empty text.
inline QString ConnectDevice(DeviceImageFixture& devices, DeviceContent content)
{
    content.plugged = true;
    const QString folder = devices.create("iPhone", content);
    if (folder.isEmpty())
        return folder;
    CTaskCallback* callback = CTaskCallback::GetInstance();
    SignalRecorder arrived(callback, &CTaskCallback::singalDevConnToPC);
    SignalRecorder ready(callback, &CTaskCallback::signalConnToDev);
    CController* controller = CController::GetInstance();
    controller->SetConnectHandler(OnArrival, nullptr);
    controller->StartDeviceNotifications();
    if (!QTest::qWaitFor([&] { return !arrived.isEmpty(); }, 5000) || !controller->PostConnectDevTask()
        || !QTest::qWaitFor([&] { return !ready.isEmpty(); }, 5000))
        return QString();
    return folder;
}
