#include "CTaskCallback.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <thread>

class tst_CTaskCallback : public QObject
{
    Q_OBJECT

private slots:
    void emittersForwardEveryArgumentShape();
    void emissionsFromOtherThreadsArriveOnTheWindowThread();
};

namespace {
int g_marker = 0;
} // namespace

void tst_CTaskCallback::emittersForwardEveryArgumentShape()
{
    // Each emitter names its signal on one declaration line; what can still go wrong is the
    // shared template carrying an argument of one of the signatures in use.
    void* const marker = &g_marker;
    CTaskCallback* callback = CTaskCallback::GetInstance();
    QSignalSpy none(callback, &CTaskCallback::signalLoadSMSData);
    QSignalSpy wide(callback, &CTaskCallback::singalDevDisconnFromPC);
    QSignalSpy pointer(callback, &CTaskCallback::signalConnToDev);
    QSignalSpy three(callback, &CTaskCallback::signalOneKeyClearRespond);
    CTaskCallback::Emit_signalLoadSMSData();
    CTaskCallback::Emit_singalDevDisconnFromPC(0xfffffffff0000000ull);
    CTaskCallback::Emit_signalConnToDev(3, marker);
    CTaskCallback::Emit_signalOneKeyClearRespond(9216, 14, marker);
    QCOMPARE(none.count(), 1);
    QCOMPARE(wide.takeFirst(), QVariantList { QVariant::fromValue(0xfffffffff0000000ull) });
    QCOMPARE(pointer.takeFirst(), (QVariantList { 3, QVariant::fromValue(marker) }));
    QCOMPARE(three.takeFirst(), (QVariantList { 9216, 14, QVariant::fromValue(marker) }));
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
