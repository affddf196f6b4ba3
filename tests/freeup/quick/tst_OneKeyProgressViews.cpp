// The two progress pages: what they show while a clean runs, how they end, and how the
// temporary-file countdown follows the device.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CacheCleanProcessView.h"
#include "CancelFlags.h"
#include "Durations.h"
#include "MessageBoxAnswerer.h"
#include "OvMessageBox.h"
#include "QuickViewsTestSupport.h"
#include "TaskExecuteView.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QTimer>

namespace {

QAbstractButton* StopButton(const QWidget& page)
{
    const auto found = page.findChildren<QAbstractButton*>(QRegularExpression("StopButton$"));
    return found.size() == 1 ? found.first() : nullptr;
}

} // namespace

class tst_OneKeyProgressViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        AppStyle::instance().initialise(applicationDirectory());
        QVERIFY(m_devices.isValid());
    }
    void init() { loadCancel = callbackCancel = false; }
    void cleanupTestCase() { CController::Release(); }
    void stopEndsTheRunOnItsStoppedPage();
    void resetStartsARunAfresh();
    void tempCountdownStartsAtFreeGiBPlusFive();
    void tempStopAsksFirst();
    void tempCountdownFollowsTheDeviceNearTheEnd();

private:
    SimulatedPhone m_phone; // no device until a test connects one: no demo device either
    DeviceImageFixture& m_devices = m_phone.devices();
};

void tst_OneKeyProgressViews::stopEndsTheRunOnItsStoppedPage()
{
    FakeMainWindow window;
    for (const auto& [page, stoppedPage] : { std::make_pair(5, 7), std::make_pair(13, 16), std::make_pair(14, 16) }) {
        callbackCancel = false;
        window.tabsEnabled = false; // locked when the clean started
        TaskExecuteView view(page);
        QSignalSpy cancelled(&view, &TaskExecuteView::onClickedCancel);
        QAbstractButton* stop = StopButton(view);
        QVERIFY(stop);
        stop->click();
        // A stopped clean sends no end reply: the stop itself gives the other features back.
        QVERIFY(window.tabsEnabled);
        QCOMPARE(cancelled.count(), 1);
        QCOMPARE(cancelled.at(0).at(0).toInt(), stoppedPage);
        QVERIFY(view.IsStopped());
        QVERIFY(callbackCancel);
    }
}

void tst_OneKeyProgressViews::resetStartsARunAfresh()
{
    TaskExecuteView view(13);
    view.SetMaxSize(8);
    view.SetExportData(8);
    StopButton(view)->click();
    QVERIFY(view.IsStopped());
    view.Reset();
    QVERIFY(!view.IsStopped());
    QCOMPARE(view.Maximum(), 0);
    QCOMPARE(view.Percent(), 0);
    QCOMPARE(view.Text(), QString("Exporting photos 0/0"));
    // A bad count from the caller must not show a negative or overfull bar.
    view.SetMaxSize(3);
    view.SetExportData(7);
    QCOMPARE(view.Percent(), 100);
    view.SetExportData(-2);
    QCOMPARE(view.Percent(), 0);
}

void tst_OneKeyProgressViews::tempCountdownStartsAtFreeGiBPlusFive()
{
    CGlobalData* store = CGlobalData::GetInstance();
    store->m_nTotalSpace = 64 * kGiB;
    store->m_nFreeSpace = 3 * kGiB + 900 * 1024 * 1024; // whole GiB only
    CacheCleanProcessView view;
    QVERIFY(!view.IsCounting());
    view.Reset();
    QCOMPARE(view.MinutesLeft(), 8);
    QCOMPARE(view.TimeText(), QString("About 8 Minute(s)"));
    QVERIFY(view.IsCounting());

    // The real timer ticks once a (scaled) minute.
    QTRY_COMPARE_WITH_TIMEOUT(view.MinutesLeft(), 7, 4 * scaledMs(60000) + 1000);
    view.StopTimer();
    QVERIFY(!view.IsCounting());
    const int stopped = view.MinutesLeft();
    QVERIFY(!QTest::qWaitFor([&] { return view.MinutesLeft() != stopped; }, 2 * scaledMs(60000)));

    // Without a device the library reports more free than total space: not a huge figure.
    store->m_nFreeSpace = ~quint64(0);
    view.Reset();
    QCOMPARE(view.MinutesLeft(), 5);
    // Still no device near the end: the count runs down to 0 and stays there.
    for (int tick = 0; tick < 8; ++tick)
        view.SlotTimerOut();
    QCOMPARE(view.MinutesLeft(), 0);
    QCOMPARE(view.TimeText(), QString("About 0 Minute(s)"));
    view.StopTimer();
}

void tst_OneKeyProgressViews::tempStopAsksFirst()
{
    CacheCleanProcessView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.Reset();
    QSignalSpy cancelled(&view, &CacheCleanProcessView::onClickedCancel);
    MessageBoxAnswerer answerer(OvMessageBox::No);
    QAbstractButton* stop = StopButton(view);
    QVERIFY(stop);
    stop->click();
    QCOMPARE(cancelled.count(), 0);
    QVERIFY(view.IsCounting());
    QVERIFY(!callbackCancel);
    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(answerer.questions().first().text,
             QString("If you stop clearing, some data won't be deleted. Are you sure you want to stop?"));

    answerer.setButton(OvMessageBox::Yes);
    stop->click();
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(cancelled.at(0).at(0).toInt(), 10);
    QVERIFY(callbackCancel);
    QVERIFY(!view.IsCounting());

    // The clean ends while the question is open: the model has left the page, and a late
    // Yes must not turn the finished clean into a stopped one.
    callbackCancel = false;
    view.Reset();
    QTimer::singleShot(0, &view, [&view] { view.hide(); });
    stop->click();
    QCOMPARE(answerer.questions().size(), 3);
    QCOMPARE(cancelled.count(), 1);
    QVERIFY(!callbackCancel);
}

void tst_OneKeyProgressViews::tempCountdownFollowsTheDeviceNearTheEnd()
{
    QVERIFY2(m_phone.connect(), qPrintable(m_phone.error()));
    const QString folder = m_phone.folder();
    const int freeGiB = int(m_devices.summary(folder).freeBytes / kGiB);
    QVERIFY(freeGiB > 5);

    // The model starts from a stale record: the page must read the device when it matters.
    CGlobalData::GetInstance()->m_nTotalSpace = 64 * kGiB;
    CGlobalData::GetInstance()->m_nFreeSpace = 2 * kGiB;
    CacheCleanProcessView view;
    view.Reset();
    view.StopTimer(); // ticks by hand from here
    QCOMPARE(view.MinutesLeft(), 7);
    view.SlotTimerOut();
    QCOMPARE(view.MinutesLeft(), 6);
    // At 5 minutes left the device, with more free GiB than that, sets the estimate.
    view.SlotTimerOut();
    QCOMPARE(view.MinutesLeft(), freeGiB);
    QCOMPARE(view.TimeText(), QString("About %1 Minute(s)").arg(freeGiB));
}

QTEST_MAIN(tst_OneKeyProgressViews)
#include "tst_OneKeyProgressViews.moc"
