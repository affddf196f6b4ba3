#include "CTaskCallback.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <functional>
#include <thread>

class tst_CTaskCallback : public QObject
{
    Q_OBJECT

private slots:
    void eachEmitterEmitsItsOwnSignal();
    void emissionsFromOtherThreadsArriveOnTheWindowThread();
};

namespace {
int g_marker = 0;
} // namespace

void tst_CTaskCallback::eachEmitterEmitsItsOwnSignal()
{
    // Tasks and callbacks keep the emitters, not the signals: a crossed emitter would send
    // one category's end as another's.
    void* const marker = &g_marker;
    const std::vector<std::pair<std::function<void()>, QVariantList>> emitters = {
        { [] { CTaskCallback::Emit_singalDevConnToPC(); }, {} },
        { [] { CTaskCallback::Emit_singalDevDisconnFromPC(0xfffffffff0000000ull); },
          { QVariant::fromValue(0xfffffffff0000000ull) } },
        { [=] { CTaskCallback::Emit_signalConnToDev(3, marker); }, { 3, QVariant::fromValue(marker) } },
        { [] { CTaskCallback::Emit_signalBackupDevData(66, 40); }, { 66, 40 } },
        { CTaskCallback::Emit_signalLoadAddressBookData, {} },
        { CTaskCallback::Emit_signalLoadSMSData, {} },
        { CTaskCallback::Emit_signalLoadCallLogData, {} },
        { CTaskCallback::Emit_signalLoadNoteData, {} },
        { CTaskCallback::Emit_signalLoadSafariHistoryData, {} },
        { CTaskCallback::Emit_signalLoadSafariCookieData, {} },
        { CTaskCallback::Emit_signalLoadSafariCacheData, {} },
        { CTaskCallback::Emit_signalLoadPhotoAndVideoData, {} },
        { CTaskCallback::Emit_signalLoadWhatsAppData, {} },
        { CTaskCallback::Emit_signalLoadWeChatData, {} },
        { CTaskCallback::Emit_signalLoadViberData, {} },
        { CTaskCallback::Emit_signalLoadKikData, {} },
        { CTaskCallback::Emit_signalLoadCallendarData, {} },
        { CTaskCallback::Emit_signalLoadBookMarkData, {} },
        { CTaskCallback::Emit_signalLoadVoiceMemosData, {} },
        { CTaskCallback::Emit_signalLoadAppSize, {} },
        { CTaskCallback::Emit_signalEraseSMSData, {} },
        { CTaskCallback::Emit_signalEraseCallLogData, {} },
        { CTaskCallback::Emit_signalEraseNoteData, {} },
        { CTaskCallback::Emit_signalEraseSMSAttachmentData, {} },
        { CTaskCallback::Emit_signalEraseNoteAttachmentData, {} },
        { CTaskCallback::Emit_signalEraseSafariHistoryData, {} },
        { CTaskCallback::Emit_signalEraseSafariCookieData, {} },
        { CTaskCallback::Emit_signalEraseSafariCacheData, {} },
        { CTaskCallback::Emit_signalErasePhotoAndVideoData, {} },
        { CTaskCallback::Emit_signalEraseWhatsAppData, {} },
        { CTaskCallback::Emit_signalEraseWhatsAppAttachmentData, {} },
        { CTaskCallback::Emit_signalEraseWeChatData, {} },
        { CTaskCallback::Emit_signalEraseViberData, {} },
        { CTaskCallback::Emit_signalEraseKikData, {} },
        { CTaskCallback::Emit_signalEraseKikAttachmentData, {} },
        { CTaskCallback::Emit_signalEraseContactData, {} },
        { CTaskCallback::Emit_signalEraseCalendarData, {} },
        { CTaskCallback::Emit_signalEraseBookMarkData, {} },
        { CTaskCallback::Emit_signalEraseVoiceMemoData, {} },
        { [] { CTaskCallback::Emit_signalRestoreDevData(68, 7); }, { 68, 7 } },
        { [] { CTaskCallback::Emit_signalFillDataSignal(14, 99); }, { 14, 99 } },
        { [] { CTaskCallback::Emit_signalOneKeyScanRespond(2048, 5); }, { 2048, 5 } },
        { [=] { CTaskCallback::Emit_signalOneKeyClearRespond(9216, 14, marker); },
          { 9216, 14, QVariant::fromValue(marker) } },
        { [] { CTaskCallback::Emit_signalEraseAllTask(4, 29); }, { 4, 29 } },
        { CTaskCallback::Emit_signalsiTunesClose, {} },
    };
    QCOMPARE(int(emitters.size()), 45);

    // The emitters above follow the declaration order of the signals.
    CTaskCallback* callback = CTaskCallback::GetInstance();
    const QMetaObject* meta = callback->metaObject();
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (meta->method(i).methodType() == QMetaMethod::Signal)
            spies.emplace_back(new QSignalSpy(callback, meta->method(i)));
    }
    QCOMPARE(spies.size(), emitters.size());
    for (std::size_t e = 0; e < emitters.size(); ++e) {
        emitters[e].first();
        for (std::size_t s = 0; s < spies.size(); ++s) {
            QCOMPARE(spies[s]->count(), s == e ? 1 : 0);
            if (s == e) {
                const QVariantList arguments = spies[s]->takeFirst();
                QCOMPARE(arguments.size(), emitters[e].second.size());
                for (int a = 0; a < arguments.size(); ++a)
                    QCOMPARE(arguments.at(a), emitters[e].second.at(a));
            }
        }
    }
}

void tst_CTaskCallback::emissionsFromOtherThreadsArriveOnTheWindowThread()
{
    CTaskCallback* callback = CTaskCallback::GetInstance();
    QThread* receivingThread = nullptr;
    QList<int> received;
    const auto connection = connect(callback, &CTaskCallback::signalOneKeyScanRespond, this, [&](int type, int count) {
        receivingThread = QThread::currentThread();
        received << type << count;
    });
    std::thread worker([] { CTaskCallback::Emit_signalOneKeyScanRespond(16, 3); });
    worker.join();
    // Queued: nothing happens until the window thread handles its events.
    QVERIFY(received.isEmpty());
    QTRY_COMPARE(received, (QList<int> { 16, 3 }));
    QCOMPARE(receivingThread, QThread::currentThread());
    disconnect(connection);
}

QTEST_GUILESS_MAIN(tst_CTaskCallback)
#include "tst_CTaskCallback.moc"
