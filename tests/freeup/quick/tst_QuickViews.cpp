// The one-key pages before and around a clean: home, quick result, junk result and the two
// progress pages. What they show of the device, its history and the scan, where each control
// leads, and how a run ends. Cleaning through the model goes through its flow test.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "CacheCleanProcessView.h"
#include "CancelFlags.h"
#include "CleanHistory.h"
#include "Durations.h"
#include "FakeMainWindow.h"
#include "JunkCleanScanResultView.h"
#include "MainWindowAccess.h"
#include "MessageBoxAnswerer.h"
#include "OneKeyCleanResultView.h"
#include "OneKeyCleanView.h"
#include "OneKeyPages.h"
#include "OneScanResultSubWidget.h"
#include "OvMessageBox.h"
#include "SimulatedPhone.h"
#include "StoreTotals.h"
#include "TaskExecuteView.h"
#include "TaskWidget.h"
#include "Translation.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <mutex>

namespace {

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

constexpr int kJunkCodes[] = { 256, 64, 128, 32, 512 };

QPushButton* CleanButton(const JunkCleanScanResultView& view)
{
    return view.findChild<QPushButton*>("cleanButton");
}

QCheckBox* CheckOf(const JunkCleanScanResultView& view, int code)
{
    return view.Row(code)->findChild<QCheckBox*>("rowCheck");
}

const QString kDeviceKey = QStringLiteral("/devices/0000-ANNA");

void SetDevice(quint64 total, quint64 used, const QString& key = kDeviceKey)
{
    CGlobalData* store = CGlobalData::GetInstance();
    store->m_nTotalSpace = total;
    store->m_nFreeSpace = total - used;
    store->m_strDeviceKey = key;
}

void ClearLists()
{
    for (int code : { 32, 64, 128, 256, 512, 8, 2048 })
        SetOneKeyFiles(code, {});
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    store->m_obLPhotos.clear();
    store->m_obLApps.clear();
}

QAbstractButton* StopButton(const QWidget& page)
{
    const auto found = page.findChildren<QAbstractButton*>(QRegularExpression("StopButton$"));
    return found.size() == 1 ? found.first() : nullptr;
}

} // namespace

class tst_QuickViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        AppStyle::instance().initialise(applicationDirectory());
        // The history file goes to a folder of the test's own, never beside the binaries.
        QVERIFY(m_appDir.isValid() && m_devices.isValid());
        qputenv("DRAVO_APP_DIR", m_appDir.path().toLocal8Bit());
    }
    void init()
    {
        QFile::remove(m_appDir.filePath("CleanSizeConfig.ini"));
        ClearLists();
        SetDevice(64 * kGiB, 12 * kGiB);
        quickScanOrigin = false;
        loadCancel = callbackCancel = false;
    }
    void cleanupTestCase() { CController::Release(); }
    void crashLogsBelowFiveMiBCountAsNothing_data();
    void crashLogsBelowFiveMiBCountAsNothing();
    void selectedTotalFollowsTheCheckedRows();
    void repeatedResetOrForeignResultsNeverCountTwice();
    void temporaryFileEstimate_data();
    void temporaryFileEstimate();
    void homeShowsTheDeviceAndItsOwnHistory();
    void quickScanStartsOnlyFromAShownPage();
    void resultRowsSumTheirCategories();
    void tempCleanStartsOnlyWithSomethingToFree();
    void stopEndsTheRunOnItsStoppedPage();
    void resetStartsARunAfresh();
    void tempCountdownStartsAtFreeGiBPlusFive();
    void tempStopAsksFirst();
    void tempCountdownFollowsTheDeviceNearTheEnd(); // connects the device: last

private:
    QTemporaryDir m_appDir;
    SimulatedPhone m_phone; // no device until the last test connects one: no demo device either
    DeviceImageFixture& m_devices = m_phone.devices();
};

void tst_QuickViews::crashLogsBelowFiveMiBCountAsNothing_data()
{
    QTest::addColumn<quint64>("secondFile");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<QString>("shown");
    // Two files: the threshold is on the sum, not on one file.
    QTest::newRow("one byte short") << quint64(5242879 - 1000) << false << QString("0.00Byte");
    QTest::newRow("exactly 5 MiB") << quint64(5242880 - 1000) << true << QString("5.00MB");
}

void tst_QuickViews::crashLogsBelowFiveMiBCountAsNothing()
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

void tst_QuickViews::selectedTotalFollowsTheCheckedRows()
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
    QCOMPARE(view.SelectedCount(), quint64(0));
    QVERIFY(!clean->isEnabled());
}

void tst_QuickViews::repeatedResetOrForeignResultsNeverCountTwice()
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

void tst_QuickViews::temporaryFileEstimate_data()
{
    QTest::addColumn<quint64>("used");
    QTest::addColumn<quint64>("total");
    QTest::addColumn<QString>("lastUsed");
    QTest::addColumn<quint64>("expected");
    const quint64 total = 64 * kGiB;
    QTest::newRow("no history, 31.25 % used") << 20 * kGiB << total << QString() << 18 * kGiB / 40;
    QTest::newRow("no history, exactly 20 %") << total / 5 << total << QString() << quint64(0);
    QTest::newRow("new entry reads as no history") << 20 * kGiB << total << QString("0") << 18 * kGiB / 40;
    QTest::newRow("grown by less than 1 GiB")
        << 10 * kGiB + kGiB - 1 << total << QString::number(10 * kGiB) << quint64(0);
    QTest::newRow("grown by exactly 1 GiB") << 11 * kGiB << total << QString::number(10 * kGiB) << kGiB / 40;
    // With history the percentage no longer matters: 12.5 % used.
    QTest::newRow("shrunk by 2 GiB") << 8 * kGiB << total << QString::number(10 * kGiB) << 2 * kGiB / 40;
}

void tst_QuickViews::temporaryFileEstimate()
{
    QFETCH(quint64, used);
    QFETCH(quint64, total);
    QFETCH(QString, lastUsed);
    QFETCH(quint64, expected);
    QCOMPARE(TemporaryFileEstimate(used, total, lastUsed), expected);

    // The same through the connected device and its history file.
    SetDevice(total, used);
    if (!lastUsed.isEmpty())
        WriteCleanHistoryUsedSpace(kDeviceKey, lastUsed.toULongLong());
    QCOMPARE(TemporaryFileEstimate(), expected);
    // Another device's history is not this one's.
    SetDevice(total, used, QStringLiteral("/devices/OTHER"));
    QCOMPARE(TemporaryFileEstimate(), TemporaryFileEstimate(used, total, QString()));
}

void tst_QuickViews::homeShowsTheDeviceAndItsOwnHistory()
{
    SetDevice(64 * kGiB, 61 * kGiB);
    OneKeyCleanView home;
    home.resize(1000, 560);
    home.show();
    QVERIFY(QTest::qWaitForWindowExposed(&home));
    // A fresh installation.
    QCOMPARE(home.LastUseText(), QString("None"));
    QCOMPARE(home.TotalReleasedText(), QString("0.00Byte"));

    // A clean happened while the page was away; showing it again reads the history.
    WriteCleanHistoryTotal(kDeviceKey, 41345024, QDateTime(QDate(2026, 3, 4), QTime(10, 11, 12)));
    home.hide();
    home.show();
    // Written as the interface language writes dates; the file keeps its own fixed form.
    QCOMPARE(home.LastUseText(), QString("04/03/2026 10:11"));
    QCOMPARE(home.TotalReleasedText(), QString("39.43MB"));
    currentLanguageName = QStringLiteral("German");
    home.RefreshLabels();
    currentLanguageName = QStringLiteral("English");
    QCOMPARE(home.LastUseText(), QString("04.03.26 10:11"));
    QCOMPARE(ReadCleanHistory(kDeviceKey).lastCleanDate, QString("03-04-2026 10:11:12 Wed"));

    // A device whose only entry comes from a temporary-file clean has no date yet.
    SetDevice(64 * kGiB, 20 * kGiB, QStringLiteral("/devices/TEMP-ONLY"));
    WriteCleanHistoryUsedSpace(QStringLiteral("/devices/TEMP-ONLY"), 20 * kGiB);
    home.RefreshLabels();
    QCOMPARE(home.LastUseText(), QString("None"));
    QCOMPARE(home.TotalReleasedText(), QString("0.00Byte"));
}

void tst_QuickViews::quickScanStartsOnlyFromAShownPage()
{
    // A second click, queued while the page was already leaving, must not start a second scan.
    OneKeyCleanView home;
    QSignalSpy next(&home, &OneKeyCleanView::ShowNextView);
    auto* quickScan = home.findChild<QPushButton*>("quickScanButton");
    quickScan->click();
    QCOMPARE(next.count(), 0);
    home.show();
    QVERIFY(QTest::qWaitForWindowExposed(&home));
    quickScan->click();
    quickScan->click();
    QCOMPARE(next.count(), 1);
    QCOMPARE(next.at(0).at(0).toInt(), 1);
}

void tst_QuickViews::resultRowsSumTheirCategories()
{
    OneKeyCleanResultView result;
    // The photo and app rows are checked against a device by the flow test.
    SetOneKeyFiles(32, { 41345024 });
    SetOneKeyFiles(8, { kGiB });
    SetDevice(64 * kGiB, 20 * kGiB); // the temporary-file row is an estimate, not a list
    for (int code : { 32, 8, 2 })
        result.UpdateResultInfo(code);
    QCOMPARE(result.RowSize(OneKeyCleanResultView::TempRow), 18 * kGiB / 40);
    QCOMPARE(result.RowWidget(OneKeyCleanResultView::TempRow)->ButtonText(), QString("Clean"));
    // 41345024 + 1 GiB + 483183820 = 1598270668 bytes.
    QCOMPARE(result.FreeableText(), QString("1.49GB More can be freed up."));

    // A category emptied by a clean drops back to "Done"; unknown codes change nothing.
    ClearLists();
    result.UpdateResultInfo(8);
    result.UpdateResultInfo(4);
    result.UpdateResultInfo(3599);
    QCOMPARE(result.RowSize(OneKeyCleanResultView::LargeFileRow), quint64(0));
    QCOMPARE(result.RowWidget(OneKeyCleanResultView::LargeFileRow)->ButtonText(), QString("Done"));
    QCOMPARE(result.RowSize(OneKeyCleanResultView::JunkRow), quint64(41345024));
}

void tst_QuickViews::tempCleanStartsOnlyWithSomethingToFree()
{
    OneKeyCleanView home;
    OneKeyCleanResultView result;
    QSignalSpy fromHome(&home, &OneKeyCleanView::onScanCache);
    QSignalSpy fromResult(&result, &OneKeyCleanResultView::ShowCacheView);
    auto* homeButton = home.findChild<QToolButton*>("tempFilesButton");
    auto* resultRow = result.RowWidget(OneKeyCleanResultView::TempRow)->findChild<QPushButton*>("rowButton");
    MessageBoxAnswerer answerer(OvMessageBox::OK);

    // 18.75 % used and no history: a clean's figure would be made up, so none starts from
    // either page, and the way back stays as it was.
    quickScanOrigin = true;
    QCOMPARE(resultRow->text(), QString("Done"));
    homeButton->click();
    resultRow->click();
    QCOMPARE(fromHome.count() + fromResult.count(), 0);
    const QString nothing = QStringLiteral("Scan completed! No need for further cleaning.");
    QCOMPARE(answerer.texts(), QStringList({ nothing, nothing }));
    QVERIFY(quickScanOrigin);

    // 31.25 % used: the clean starts without a question; Back after it returns to the page
    // it was started from.
    SetDevice(64 * kGiB, 20 * kGiB);
    result.UpdateResultInfo(2);
    QCOMPARE(resultRow->text(), QString("Clean"));
    homeButton->click();
    QCOMPARE(fromHome.count(), 1);
    QCOMPARE(fromHome.at(0).at(0).toInt(), 8);
    QVERIFY(!quickScanOrigin);
    resultRow->click();
    QCOMPARE(fromResult.count(), 1);
    QCOMPARE(fromResult.at(0).at(0).toInt(), 8);
    QVERIFY(quickScanOrigin);
    QCOMPARE(answerer.questions().size(), 2);

    QSignalSpy rescan(&result, &OneKeyCleanResultView::Rescan);
    result.findChild<QPushButton*>("rescanButton")->click();
    QCOMPARE(rescan.count(), 1);
}

void tst_QuickViews::stopEndsTheRunOnItsStoppedPage()
{
    // The flow test stops a junk clean and a compression; the backup before a compression
    // stops onto the compression's page.
    FakeMainWindow window;
    window.tabsEnabled = false; // locked when the backup started
    TaskExecuteView view(13);
    QSignalSpy cancelled(&view, &TaskExecuteView::onClickedCancel);
    StopButton(view)->click();
    // A stopped run sends no end reply: the stop itself gives the other features back.
    QVERIFY(window.tabsEnabled);
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(cancelled.at(0).at(0).toInt(), 16);
    QVERIFY(view.IsStopped());
    QVERIFY(callbackCancel);
}

void tst_QuickViews::resetStartsARunAfresh()
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
    // A bad count from the caller must not show a negative or overfull bar.
    view.SetMaxSize(3);
    view.SetExportData(7);
    QCOMPARE(view.Percent(), 100);
    view.SetExportData(-2);
    QCOMPARE(view.Percent(), 0);
}

void tst_QuickViews::tempCountdownStartsAtFreeGiBPlusFive()
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

void tst_QuickViews::tempStopAsksFirst()
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

void tst_QuickViews::tempCountdownFollowsTheDeviceNearTheEnd()
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

QTEST_MAIN(tst_QuickViews)
#include "tst_QuickViews.moc"
