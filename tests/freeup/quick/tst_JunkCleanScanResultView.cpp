// The junk result page: what its rows show, when "Clean" may be pressed, what it posts to
// a simulated device and where Back leads.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CCtrlOneKeyClearCallback.h"
#include "JunkCleanScanResultView.h"
#include "MessageBoxAnswerer.h"
#include "OneKeyConversions.h"
#include "OneKeyPages.h"
#include "OvMessageBox.h"
#include "QuickViewsTestSupport.h"
#include "TaskWidget.h"

#include <QCheckBox>
#include <QPushButton>

#include <algorithm>
#include <memory>

namespace {

constexpr int kJunkCodes[] = { 256, 64, 128, 32, 512 };

QPushButton* CleanButton(const JunkCleanScanResultView& view)
{
    return view.findChild<QPushButton*>("cleanButton");
}

QCheckBox* CheckOf(const JunkCleanScanResultView& view, int code)
{
    return view.Row(code)->findChild<QCheckBox*>("rowCheck");
}

} // namespace

class tst_JunkCleanScanResultView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        AppStyle::instance().initialise(applicationDirectory());
        // An empty simulated device folder, so that the controller never makes the demo device.
        QVERIFY(m_devices.isValid());
    }
    void init()
    {
        for (int code : kJunkCodes)
            SetOneKeyFiles(code, {});
        quickScanOrigin = false;
    }
    void cleanupTestCase() { CController::Release(); }
    void crashLogsBelowFiveMiBCountAsNothing_data();
    void crashLogsBelowFiveMiBCountAsNothing();
    void selectedTotalFollowsTheCheckedRows();
    void repeatedResetOrForeignResultsNeverCountTwice();
    void backReturnsToTheQuickResultOrAsks();
    void cleanPostsTheCheckedRowsInPageOrder();

private:
    SimulatedPhone m_phone; // no device until a test connects one: no demo device either
    DeviceImageFixture& m_devices = m_phone.devices();
};

void tst_JunkCleanScanResultView::crashLogsBelowFiveMiBCountAsNothing_data()
{
    QTest::addColumn<quint64>("secondFile");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<QString>("shown");
    // Two files: the threshold is on the sum, not on one file.
    QTest::newRow("one byte short") << quint64(5242879 - 1000) << false << QString("0.00Byte");
    QTest::newRow("exactly 5 MiB") << quint64(5242880 - 1000) << true << QString("5.00MB");
}

void tst_JunkCleanScanResultView::crashLogsBelowFiveMiBCountAsNothing()
{
    QFETCH(quint64, secondFile);
    QFETCH(bool, offered);
    QFETCH(QString, shown);
    SetOneKeyFiles(256, { 1000, secondFile });
    SetOneKeyFiles(64, { 1000, secondFile });
    JunkCleanScanResultView view;
    view.UpdateResult(256);
    view.UpdateResult(64);

    TaskWidget* row = view.Row(256);
    QCOMPARE(row->SizeText(), shown);
    QCOMPARE(row->IsChecked(), offered);
    QCOMPARE(CheckOf(view, 256)->isEnabled(), offered);
    QCOMPARE(row->IconImage(), offered ? QString("crash_logs_selected.png") : QString("crash_logs_no_item.png"));
    // The same sum in another category is never held back.
    QVERIFY(view.Row(64)->IsChecked());
    QCOMPARE(view.SelectedSize(), (offered ? 2 : 1) * quint64(1000 + secondFile));
}

void tst_JunkCleanScanResultView::selectedTotalFollowsTheCheckedRows()
{
    SetOneKeyFiles(32, { 1000, 2000 });
    SetOneKeyFiles(64, { 4096 });
    SetOneKeyFiles(512, { kMiB });
    JunkCleanScanResultView view;
    view.resize(1000, 560);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QPushButton* clean = CleanButton(view);
    QVERIFY(!clean->isEnabled());
    QCOMPARE(view.HeaderText(), QString("0.00Byte can be released."));

    for (int code : kJunkCodes)
        view.UpdateResult(code);
    QCOMPARE(view.SelectedSize(), quint64(1000 + 2000 + 4096) + kMiB);
    QCOMPARE(view.SelectedCount(), quint64(4));
    QCOMPARE(view.HeaderText(), QString("1.01MB can be released."));
    QVERIFY(clean->isEnabled());
    QVERIFY(!CheckOf(view, 128)->isEnabled()); // nothing found there

    QTest::mouseClick(CheckOf(view, 512), Qt::LeftButton);
    QCOMPARE(view.HeaderText(), QString("6.93KB can be released."));
    // A click on the row itself toggles it too.
    QTest::mouseClick(view.Row(32), Qt::LeftButton, {}, QPoint(view.Row(32)->width() / 2, 10));
    QVERIFY(!view.Row(32)->IsChecked());
    QCOMPARE(view.SelectedSize(), quint64(4096));
    QVERIFY(clean->isEnabled());

    // Unchecking every row disables "Clean", in look as well.
    QTest::mouseClick(CheckOf(view, 64), Qt::LeftButton);
    QCOMPARE(view.SelectedSize(), quint64(0));
    QCOMPARE(view.SelectedCount(), quint64(0));
    QVERIFY(!clean->isEnabled());
    QVERIFY(clean->styleSheet().contains("#999999"));
    QTest::mouseClick(CheckOf(view, 64), Qt::LeftButton);
    QVERIFY(clean->isEnabled());
}

void tst_JunkCleanScanResultView::repeatedResetOrForeignResultsNeverCountTwice()
{
    SetOneKeyFiles(32, { 3000 });
    JunkCleanScanResultView view;
    view.UpdateResult(32);
    view.UpdateResult(32);
    QCOMPARE(view.SelectedSize(), quint64(3000));
    // A row the user unchecked that comes back with a new result is offered again, once.
    QTest::mouseClick(CheckOf(view, 32), Qt::LeftButton);
    SetOneKeyFiles(32, { 700, 800 });
    view.UpdateResult(32);
    QCOMPARE(view.SelectedSize(), quint64(1500));
    QCOMPARE(view.Row(32)->Count(), quint64(2));

    view.ResetRows();
    QCOMPARE(view.SelectedSize(), quint64(0));
    QVERIFY(!CleanButton(view)->isEnabled());
    for (int code : kJunkCodes) {
        QCOMPARE(view.Row(code)->SizeText(), QString("Wait"));
        QVERIFY(!view.Row(code)->IsChecked());
    }
    // Other categories, mixed codes and junk codes with a clean bit are not junk results.
    for (int code : kJunkCodes)
        SetOneKeyFiles(code, { 6 * kMiB });
    for (int code : { 0, 2, 8, 1024, 32 | 64, 32 | 4096 })
        view.UpdateResult(code);
    QCOMPARE(view.SelectedSize(), quint64(0));
    view.UpdateResult(32);
    QCOMPARE(view.SelectedSize(), 6 * kMiB);
}

void tst_JunkCleanScanResultView::backReturnsToTheQuickResultOrAsks()
{
    JunkCleanScanResultView view;
    QSignalSpy back(&view, &JunkCleanScanResultView::onBack);
    QPushButton* backButton = view.findChild<QPushButton*>("backButton");
    MessageBoxAnswerer answerer(OvMessageBox::No);

    // From the quick result page: straight back there, without a question, once.
    quickScanOrigin = true;
    backButton->click();
    QCOMPARE(back.count(), 1);
    QCOMPARE(back.takeFirst().at(0).toInt(), 2);
    QVERIFY(!quickScanOrigin);
    QVERIFY(answerer.questions().isEmpty());

    // Otherwise declining keeps the page and its results.
    backButton->click();
    QCOMPARE(back.count(), 0);
    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(answerer.questions().first().title, QString("Warning"));
    QCOMPARE(answerer.questions().first().text,
             QString("If you go back, the scanning result won't be saved. Are you sure you want to go back?"));
    QCOMPARE(answerer.questions().first().icon, QString("tip_warning.png"));
    answerer.setButton(OvMessageBox::Yes);
    backButton->click();
    QCOMPARE(back.count(), 1);
    QCOMPARE(back.takeFirst().at(0).toInt(), 0);
}

void tst_JunkCleanScanResultView::cleanPostsTheCheckedRowsInPageOrder()
{
    DeviceContent content = DeviceImageFixture::smallContent();
    // Each file is half to one and a half times this, so two crash logs pass 5 MiB.
    content.junkFilesPerCode = 2;
    content.junkFileBytes = 6 << 20;
    QVERIFY2(m_phone.connect(content), qPrintable(m_phone.error()));
    const QString folder = m_phone.folder();
    CTaskCallback* callback = CTaskCallback::GetInstance();
    CController* controller = CController::GetInstance();

    JunkCleanScanResultView view;
    connect(callback, &CTaskCallback::signalOneKeyScanRespond, &view, &JunkCleanScanResultView::UpdateResult);
    QCOMPARE(controller->PostOneKeyScanTask(1), 5);
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(std::begin(kJunkCodes), std::end(kJunkCodes),
                                         [&](int code) { return view.Row(code)->HasResult(); }),
                             15000);
    for (int code : kJunkCodes)
        QVERIFY2(view.Row(code)->IsChecked(), "every row, crash logs included, must be offered");

    QList<int> finished;
    connect(callback, &CTaskCallback::signalOneKeyClearRespond, &view, [&](int type, int status, void* record) {
        if (status == CCtrlOneKeyClearCallback::kCleanFinished)
            finished.append(type);
        DeleteOneKeyClearRecord(type, record);
    });
    QTest::mouseClick(CheckOf(view, 64), Qt::LeftButton); // photo caches stay
    QSignalSpy progress(&view, &JunkCleanScanResultView::onShowJunkCleanProess);
    FakeMainWindow window;
    CleanButton(view)->click();
    // No other feature may reach the device until the model sees the last clean end.
    QVERIFY(!window.tabsEnabled);
    QCOMPARE(progress.count(), 1);
    QCOMPARE(progress.at(0).at(0).toInt(), 5);
    QCOMPARE(view.PendingCleanTasks(), 4);

    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 4, 15000);
    QCOMPARE(finished, QList<int>({ 256, 128, 32, 512 }));
    const ImageSummary after = m_devices.summary(folder);
    QCOMPARE(after.count("junk64").existing, 2);
    for (int code : { 256, 128, 32, 512 })
        QCOMPARE(after.count(QString("junk%1").arg(code)).existing, 0);

    // The model lowers the count once per finished task; it never goes below 0.
    for (int left : { 3, 2, 1, 0, 0 })
        QCOMPARE(view.FinishCleanTask(), left);

    // Without a device nothing is posted: the user is told and taken back to the list.
    QVERIFY(m_devices.unplug(folder));
    QTRY_VERIFY_WITH_TIMEOUT(controller->PostOneKeyClearTask(512) == 0, 5000);
    QSignalSpy back(&view, &JunkCleanScanResultView::onBack);
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    CleanButton(view)->click();
    QCOMPARE(progress.count(), 2);
    QCOMPARE(view.PendingCleanTasks(), 0);
    QCOMPARE(back.count(), 1);
    QCOMPARE(back.at(0).at(0).toInt(), 4);
    QCOMPARE(answerer.texts(), QStringList({ "The device is not connected. Please connect it and try again." }));
    QVERIFY(window.tabsEnabled);
}

QTEST_MAIN(tst_JunkCleanScanResultView)
#include "tst_JunkCleanScanResultView.moc"
