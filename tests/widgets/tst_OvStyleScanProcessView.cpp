#include "AppPaths.h"
#include "AppStyle.h"
#include "CGlobalData.h"
#include "CancelFlags.h"
#include "DeviceImageFixture.h"
#include "FakeMainWindow.h"
#include "MainWindowAccess.h"
#include "MessageBoxAnswerer.h"
#include "OvCustomNOButton.h"
#include "OvMessageBox.h"
#include "OvProgressBarGif.h"
#include "OvStyleScanProcessView.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

constexpr quint64 kGiB = 1024ull * 1024 * 1024;
const QString kStopQuestion
    = QStringLiteral("If you stop scanning, some data won't be detected. Are you sure you want to stop?");

} // namespace

class tst_OvStyleScanProcessView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void estimateIsUsedGiBOverThreePlusTwo();
    void repliesCountOnlyWhileShown();
    void declinedStopLeavesTheScanRunning_data();
    void declinedStopLeavesTheScanRunning();
    void confirmedStopStopsTheWorkAndLeaves_data();
    void confirmedStopStopsTheWorkAndLeaves();
    void pageHiddenWhileAskingDoesNothing();
    void pageDestroyedWhileAskingDoesNothing();
    void stopWithoutMainWindowStillLeaves();

private:
    std::unique_ptr<DeviceImageFixture> m_devices;
    FakeMainWindow m_window;
};

void tst_OvStyleScanProcessView::initTestCase()
{
    AppStyle::instance().initialise(applicationDirectory());
    // The controller is reached on Stop; it must find an empty simulated device folder, not
    // the per-user demo device.
    m_devices = std::make_unique<DeviceImageFixture>();
    QVERIFY(m_devices->isValid());
    MainWindowAccess::registerInstance(&m_window);
}

void tst_OvStyleScanProcessView::init()
{
    loadCancel = false;
    callbackCancel = false;
    m_window.calls.clear();
}

void tst_OvStyleScanProcessView::cleanupTestCase()
{
    MainWindowAccess::registerInstance(nullptr);
}

void tst_OvStyleScanProcessView::estimateIsUsedGiBOverThreePlusTwo()
{
    CGlobalData::GetInstance()->m_nTotalSpace = 128 * kGiB;
    CGlobalData::GetInstance()->m_nFreeSpace = 28 * kGiB; // 100 GiB used
    QCOMPARE(OvStyleScanProcessView::ScanEstimateMinutes(), 35);
    QCOMPARE(OvProgressBarGif::DeviceEstimateMinutes(), 102);

    OvStyleScanProcessView view(1, "files_scanning.gif");
    view.StartAnimationWithEstimate();
    QCOMPARE(view.Progress()->Minutes(), 35);
    QCOMPARE(view.Progress()->TimeText(), QStringLiteral("About 35 Minute(s)"));
    QCOMPARE(view.Progress()->AnimationName(), QStringLiteral("/cache_clean_processBar.gif"));
    QVERIFY(view.Progress()->IsCounting());

    view.StartAnimation();
    QCOMPARE(view.Progress()->Minutes(), 5);

    CGlobalData::GetInstance()->m_nFreeSpace = ~quint64(0); // no device
    view.StartAnimationWithEstimate();
    QCOMPARE(view.Progress()->Minutes(), 2);
}

void tst_OvStyleScanProcessView::repliesCountOnlyWhileShown()
{
    OvStyleScanProcessView view(3, "files_scanning.gif");
    view.StartScan(32);
    QCOMPARE(view.ReplyCount(), 0); // a reply for a page nobody sees
    view.show();
    view.StartScan(32);
    view.StartScan(64);
    QCOMPARE(view.ReplyCount(), 2);
    view.ResetCount();
    QCOMPARE(view.ReplyCount(), 0);

    view.SetText("Scanning photos");
    QCOMPARE(view.findChild<QLabel*>("scanText")->text(), QStringLiteral("Scanning photos"));
}

void tst_OvStyleScanProcessView::declinedStopLeavesTheScanRunning_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("No") << int(OvMessageBox::No);
    QTest::newRow("closed by the window system") << 0;
}

void tst_OvStyleScanProcessView::declinedStopLeavesTheScanRunning()
{
    QFETCH(int, answer);
    OvStyleScanProcessView view(1, "files_scanning.gif");
    view.show();
    view.StartAnimation();
    QSignalSpy next(&view, &OvStyleScanProcessView::ShowNextView);
    MessageBoxAnswerer answerer(answer);
    // Through the real Stop button.
    QTest::mouseClick(view.findChild<OvCustomNOButton*>("scanStopButton"), Qt::LeftButton);

    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(answerer.questions().first().text, kStopQuestion);
    QCOMPARE(answerer.questions().first().buttons, OvMessageBox::Yes | OvMessageBox::No);
    QCOMPARE(next.count(), 0);
    QVERIFY(!loadCancel);
    QVERIFY(!callbackCancel);
    QVERIFY(m_window.calls.isEmpty());
    QVERIFY(view.Progress()->IsCounting());
}

void tst_OvStyleScanProcessView::confirmedStopStopsTheWorkAndLeaves_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("next");
    QTest::newRow("quick scan shows what has arrived") << 1 << 2;
    QTest::newRow("junk scan goes home") << 3 << 0;
    QTest::newRow("photo scan goes home") << 11 << 0;
    QTest::newRow("app scan goes home") << 29 << 0;
}

void tst_OvStyleScanProcessView::confirmedStopStopsTheWorkAndLeaves()
{
    QFETCH(int, page);
    QFETCH(int, next);
    OvStyleScanProcessView view(page, "files_scanning.gif");
    view.show();
    QSignalSpy spy(&view, &OvStyleScanProcessView::ShowNextView);
    MessageBoxAnswerer answerer(OvMessageBox::Yes);
    view.StopScan();
    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toInt(), next);
    QVERIFY(loadCancel);
    QVERIFY(callbackCancel);
    QCOMPARE(m_window.calls, QList<bool> { true });
}

void tst_OvStyleScanProcessView::pageHiddenWhileAskingDoesNothing()
{
    OvStyleScanProcessView view(1, "files_scanning.gif");
    view.show();
    QSignalSpy spy(&view, &OvStyleScanProcessView::ShowNextView);
    // The scan ends while the question is open: the model moves on and hides the page,
    // then the user answers Yes.
    QTimer poll;
    connect(&poll, &QTimer::timeout, &view, [&view, &poll] {
        auto* box = qobject_cast<OvMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        view.hide();
        box->findChild<QPushButton*>("messageBoxYesButton")->click();
    });
    poll.start(5);
    view.StopScan();
    QVERIFY(!poll.isActive()); // the question was really answered
    QCOMPARE(spy.count(), 0);
    QVERIFY(!loadCancel);
    QVERIFY(!callbackCancel);
    QVERIFY(m_window.calls.isEmpty());
}

void tst_OvStyleScanProcessView::pageDestroyedWhileAskingDoesNothing()
{
    auto* view = new OvStyleScanProcessView(1, "files_scanning.gif");
    view->show();
    QSignalSpy spy(view, &OvStyleScanProcessView::ShowNextView);
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&view, &poll] {
        if (!qobject_cast<OvMessageBox*>(QApplication::activeModalWidget()))
            return;
        poll.stop();
        delete view; // takes the open box with it
        view = nullptr;
    });
    poll.start(5);
    view->StopScan();
    QVERIFY(!view);
    QCOMPARE(spy.count(), 0);
    QVERIFY(!loadCancel);
}

void tst_OvStyleScanProcessView::stopWithoutMainWindowStillLeaves()
{
    MainWindowAccess::registerInstance(nullptr);
    OvStyleScanProcessView view(22, "files_scanning.gif");
    view.show();
    QSignalSpy spy(&view, &OvStyleScanProcessView::ShowNextView);
    MessageBoxAnswerer answerer(OvMessageBox::Yes);
    view.StopScan();
    MainWindowAccess::registerInstance(&m_window);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toInt(), 0);
    QVERIFY(loadCancel);
}

QTEST_MAIN(tst_OvStyleScanProcessView)
#include "tst_OvStyleScanProcessView.moc"
