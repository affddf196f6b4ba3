#include "AppPaths.h"
#include "AppStyle.h"
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
    FakeMainWindow m_window;
};

void tst_OvStyleScanProcessView::initTestCase()
{
    AppStyle::instance().initialise(applicationDirectory());
    MainWindowAccess::registerInstance(&m_window);
}

void tst_OvStyleScanProcessView::init()
{
    m_window.calls.clear();
}

void tst_OvStyleScanProcessView::cleanupTestCase()
{
    MainWindowAccess::registerInstance(nullptr);
}

void tst_OvStyleScanProcessView::estimateIsUsedGiBOverThreePlusTwo()
{
    const quint64 total = 128 * kGiB;
    const quint64 free = 28 * kGiB; // 100 GiB used
    QCOMPARE(OvStyleScanProcessView::ScanEstimateMinutes(total, free), 35);
    QCOMPARE(OvProgressBarGif::DeviceEstimateMinutes(total, free), 102);

    OvStyleScanProcessView view(1, "files_scanning.gif");
    view.StartAnimationWithEstimate(total, free);
    QCOMPARE(view.Progress()->Minutes(), 35);
    QCOMPARE(view.Progress()->TimeText(), QStringLiteral("About 35 Minute(s)"));
    QCOMPARE(view.Progress()->AnimationName(), QStringLiteral("/cache_clean_processBar.gif"));
    QVERIFY(view.Progress()->IsCounting());

    view.StartAnimation();
    QCOMPARE(view.Progress()->Minutes(), 5);

    view.StartAnimationWithEstimate(total, ~quint64(0)); // no device
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
    QSignalSpy stop(&view, &OvStyleScanProcessView::StopRequested);
    MessageBoxAnswerer answerer(answer);
    // Through the real Stop button.
    QTest::mouseClick(view.findChild<OvCustomNOButton*>("scanStopButton"), Qt::LeftButton);

    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(answerer.questions().first().text, kStopQuestion);
    QCOMPARE(answerer.questions().first().buttons, OvMessageBox::Yes | OvMessageBox::No);
    QCOMPARE(next.count(), 0);
    QCOMPARE(stop.count(), 0);
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
    QSignalSpy stop(&view, &OvStyleScanProcessView::StopRequested);
    // The work must be stopped before the next page asks the device for anything.
    int stopsBeforeLeaving = -1;
    connect(&view, &OvStyleScanProcessView::ShowNextView, this, [&] { stopsBeforeLeaving = stop.count(); });
    MessageBoxAnswerer answerer(OvMessageBox::Yes);
    view.StopScan();
    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toInt(), next);
    QCOMPARE(stopsBeforeLeaving, 1);
    QCOMPARE(m_window.calls, QList<bool> { true });
}

void tst_OvStyleScanProcessView::pageHiddenWhileAskingDoesNothing()
{
    OvStyleScanProcessView view(1, "files_scanning.gif");
    view.show();
    QSignalSpy spy(&view, &OvStyleScanProcessView::ShowNextView);
    QSignalSpy stop(&view, &OvStyleScanProcessView::StopRequested);
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
    QCOMPARE(stop.count(), 0);
    QVERIFY(m_window.calls.isEmpty());
}

void tst_OvStyleScanProcessView::pageDestroyedWhileAskingDoesNothing()
{
    auto* view = new OvStyleScanProcessView(1, "files_scanning.gif");
    view->show();
    QSignalSpy spy(view, &OvStyleScanProcessView::ShowNextView);
    QSignalSpy stop(view, &OvStyleScanProcessView::StopRequested);
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
    QCOMPARE(stop.count(), 0);
}

void tst_OvStyleScanProcessView::stopWithoutMainWindowStillLeaves()
{
    MainWindowAccess::registerInstance(nullptr);
    OvStyleScanProcessView view(22, "files_scanning.gif");
    view.show();
    QSignalSpy spy(&view, &OvStyleScanProcessView::ShowNextView);
    QSignalSpy stop(&view, &OvStyleScanProcessView::StopRequested);
    MessageBoxAnswerer answerer(OvMessageBox::Yes);
    view.StopScan();
    MainWindowAccess::registerInstance(&m_window);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toInt(), 0);
    QCOMPARE(stop.count(), 1);
}

QTEST_MAIN(tst_OvStyleScanProcessView)
#include "tst_OvStyleScanProcessView.moc"
