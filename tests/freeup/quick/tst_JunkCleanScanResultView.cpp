// The junk result page: what its rows show and when "Clean" may be pressed. Cleaning and
// Back go through the model's flow test.
#include "AppPaths.h"
#include "AppStyle.h"
#include "JunkCleanScanResultView.h"
#include "QuickViewsTestSupport.h"
#include "TaskWidget.h"

#include <QCheckBox>
#include <QPushButton>

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
    }
    void cleanupTestCase() { CController::Release(); }
    void crashLogsBelowFiveMiBCountAsNothing_data();
    void crashLogsBelowFiveMiBCountAsNothing();
    void selectedTotalFollowsTheCheckedRows();
    void repeatedResetOrForeignResultsNeverCountTwice();

private:
    DeviceImageFixture m_devices; // an empty device folder: no demo device
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

    for (int code : kJunkCodes)
        view.UpdateResult(code);
    QCOMPARE(view.SelectedSize(), quint64(1000 + 2000 + 4096) + kMiB);
    QCOMPARE(view.SelectedCount(), quint64(4));
    QVERIFY(clean->isEnabled());
    QVERIFY(!CheckOf(view, 128)->isEnabled()); // nothing found there

    QTest::mouseClick(CheckOf(view, 512), Qt::LeftButton);
    QCOMPARE(view.HeaderText(), QString("6.93KB can be released.")); // the header follows
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
    // A finished clean reply with none pending must not leave the count below 0.
    QCOMPARE(view.FinishCleanTask(), 0);
    QCOMPARE(view.PendingCleanTasks(), 0);
}

QTEST_MAIN(tst_JunkCleanScanResultView)
#include "tst_JunkCleanScanResultView.moc"
