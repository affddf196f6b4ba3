#include "AppPaths.h"
#include "AppStyle.h"
#include "FakeMainWindow.h"
#include "MainWindowAccess.h"
#include "MessageBoxAnswerer.h"
#include "OvCustomNOButton.h"
#include "OvMessageBox.h"
#include "OvProgressBarGif.h"
#include "OvStyleProgressBar.h"
#include "OvStyleScanProcessView.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
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
    void estimatesFollowTheUsedSpace_data();
    void estimatesFollowTheUsedSpace();
    void countdownStopsAtOneMinuteAndGivesWayToProgress();
    void stopIsAskedFirst_data();
    void stopIsAskedFirst();
    void pageGoneWhileAskingDoesNothing_data();
    void pageGoneWhileAskingDoesNothing();

private:
    FakeMainWindow m_window; // registered while it lives
};

void tst_OvStyleScanProcessView::initTestCase()
{
    AppStyle::instance().initialise(applicationDirectory());
}

void tst_OvStyleScanProcessView::init()
{
    m_window.calls.clear();
}

void tst_OvStyleScanProcessView::estimatesFollowTheUsedSpace_data()
{
    // The device estimate is the used GiB plus two minutes, the scan's a third of that plus two.
    QTest::addColumn<quint64>("total");
    QTest::addColumn<quint64>("free");
    QTest::addColumn<int>("deviceMinutes");
    QTest::addColumn<int>("scanMinutes");
    QTest::newRow("100 GiB used") << 128 * kGiB << 28 * kGiB << 102 << 35;
    QTest::newRow("just under a GiB used counts 0") << 64 * kGiB << 63 * kGiB + 1 << 2 << 2;
    // Without a device the free space reads as all bits set, above the total.
    QTest::newRow("no device") << quint64(0) << ~quint64(0) << 2 << 2;
}

void tst_OvStyleScanProcessView::estimatesFollowTheUsedSpace()
{
    QFETCH(quint64, total);
    QFETCH(quint64, free);
    QFETCH(int, deviceMinutes);
    QFETCH(int, scanMinutes);
    OvProgressBarGif gif;
    gif.StartDeviceEstimate(total, free);
    QCOMPARE(gif.TimeText(), QStringLiteral("About %1 Minute(s)").arg(deviceMinutes));
    QVERIFY(gif.IsCounting());
    OvStyleScanProcessView view(1, "files_scanning.gif");
    view.StartAnimationWithEstimate(total, free);
    QCOMPARE(view.Progress()->Minutes(), scanMinutes);
    QVERIFY(view.Progress()->IsCounting());
}

void tst_OvStyleScanProcessView::countdownStopsAtOneMinuteAndGivesWayToProgress()
{
    OvProgressBarGif gif;
    gif.show();
    gif.StartFiveMinutes();
    QCOMPARE(gif.TimeText(), QStringLiteral("About 5 Minute(s)"));
    // The tests run with DRAVO_TIME_SCALE 0.01: a minute lasts 600 ms.
    QTest::qWait(300);
    QCOMPARE(gif.Minutes(), 5);
    QTRY_COMPARE_WITH_TIMEOUT(gif.Minutes(), 4, 2000);
    gif.SetMinutes(2);
    gif.slotProcessTimer();
    QCOMPARE(gif.TimeText(), QStringLiteral("About 1 Minute(s)"));
    QVERIFY(gif.IsCounting());
    gif.slotProcessTimer();
    QVERIFY(!gif.IsCounting());
    QCOMPARE(gif.Minutes(), 1);
    // Whatever the owner sets, the label never reads less than one minute.
    gif.SetMinutes(0);
    QCOMPARE(gif.TimeText(), QStringLiteral("About 1 Minute(s)"));

    gif.StartFiveMinutes();
    auto* bar = gif.findChild<OvStyleProgressBar*>("progressBar");
    auto* time = gif.findChild<QLabel*>("progressTimeLabel");
    QVERIFY(!bar->isVisible());
    gif.SetProgress(40);
    QVERIFY(!gif.IsCounting());
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->Text(), QStringLiteral("40%"));
    QVERIFY(!time->isVisible());
    QVERIFY(!gif.findChild<QLabel*>("progressAnimation")->isVisible());

    // A missing animation leaves the estimate working.
    gif.SetAnimation("no_such_animation.gif");
    gif.StartFiveMinutes();
    QVERIFY(!bar->isVisible());
    QVERIFY(time->isVisible());
    QVERIFY(gif.IsCounting());
    gif.SlotTimeoutdone();
    QVERIFY(!gif.IsCounting());
    QVERIFY(!time->isVisible());
}

void tst_OvStyleScanProcessView::stopIsAskedFirst_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("mainWindow");
    QTest::addColumn<int>("next"); // -1: the scan goes on
    const int yes = OvMessageBox::Yes;
    QTest::newRow("No keeps scanning") << 1 << int(OvMessageBox::No) << true << -1;
    QTest::newRow("closed by the window system keeps scanning") << 1 << 0 << true << -1;
    QTest::newRow("quick scan shows what has arrived") << 1 << yes << true << 2;
    QTest::newRow("junk scan goes home") << 3 << yes << true << 0;
    QTest::newRow("without a main window it still leaves") << 22 << yes << false << 0;
}

void tst_OvStyleScanProcessView::stopIsAskedFirst()
{
    QFETCH(int, page);
    QFETCH(int, answer);
    QFETCH(bool, mainWindow);
    QFETCH(int, next);
    if (!mainWindow)
        MainWindowAccess::registerInstance(nullptr);
    const auto restore = qScopeGuard([this] { MainWindowAccess::registerInstance(&m_window); });
    OvStyleScanProcessView view(page, "files_scanning.gif");
    view.show();
    view.StartAnimation();
    QSignalSpy nextPage(&view, &OvStyleScanProcessView::ShowNextView);
    QSignalSpy stop(&view, &OvStyleScanProcessView::StopRequested);
    // The work must be stopped before the next page asks the device for anything.
    int stopsBeforeLeaving = -1;
    connect(&view, &OvStyleScanProcessView::ShowNextView, this, [&] { stopsBeforeLeaving = stop.count(); });
    MessageBoxAnswerer answerer(answer);
    QTest::mouseClick(view.findChild<OvCustomNOButton*>("scanStopButton"), Qt::LeftButton);

    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(answerer.questions().first().text, kStopQuestion);
    QCOMPARE(answerer.questions().first().buttons, OvMessageBox::Yes | OvMessageBox::No);
    if (next < 0) {
        QCOMPARE(nextPage.count(), 0);
        QCOMPARE(stop.count(), 0);
        QVERIFY(m_window.calls.isEmpty());
        QVERIFY(view.Progress()->IsCounting());
    } else {
        QCOMPARE(nextPage.count(), 1);
        QCOMPARE(nextPage.first().first().toInt(), next);
        QCOMPARE(stopsBeforeLeaving, 1);
        QCOMPARE(m_window.calls, mainWindow ? QList<bool> { true } : QList<bool>());
    }
}

void tst_OvStyleScanProcessView::pageGoneWhileAskingDoesNothing_data()
{
    // The scan ends while the question is open and the model hides the page before the user
    // answers Yes, or the page is destroyed and takes the open box with it.
    QTest::addColumn<bool>("destroy");
    QTest::newRow("hidden") << false;
    QTest::newRow("destroyed") << true;
}

void tst_OvStyleScanProcessView::pageGoneWhileAskingDoesNothing()
{
    QFETCH(bool, destroy);
    auto* view = new OvStyleScanProcessView(1, "files_scanning.gif");
    const auto free = qScopeGuard([&view] { delete view; });
    view->show();
    QSignalSpy next(view, &OvStyleScanProcessView::ShowNextView);
    QSignalSpy stop(view, &OvStyleScanProcessView::StopRequested);
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<OvMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        if (destroy) {
            delete view;
            view = nullptr;
        } else {
            view->hide();
            box->findChild<QPushButton*>("messageBoxYesButton")->click();
        }
    });
    poll.start(5);
    view->StopScan();
    QVERIFY(!poll.isActive()); // the question was really answered
    QCOMPARE(view == nullptr, destroy);
    QCOMPARE(next.count(), 0);
    QCOMPARE(stop.count(), 0);
    QVERIFY(m_window.calls.isEmpty());
}

QTEST_MAIN(tst_OvStyleScanProcessView)
#include "tst_OvStyleScanProcessView.moc"
