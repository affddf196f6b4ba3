// The home page and the quick-scan result page: the temporary-file estimate they share,
// what they show of the device, its history and the scan, and where each control leads.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CleanHistory.h"
#include "MessageBoxAnswerer.h"
#include "OneKeyCleanResultView.h"
#include "OneKeyCleanView.h"
#include "OneKeyPages.h"
#include "OneScanResultSubWidget.h"
#include "OvMessageBox.h"
#include "QuickViewsTestSupport.h"
#include "StoreTotals.h"
#include "Translation.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

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

} // namespace

class tst_OneKeyHomeAndResultViews : public QObject
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
    }
    void cleanupTestCase() { CController::Release(); }
    void temporaryFileEstimate_data();
    void temporaryFileEstimate();
    void homeShowsTheDeviceAndItsOwnHistory();
    void quickScanStartsOnlyFromAShownPage();
    void resultRowsSumTheirCategories();
    void tempCleanStartsOnlyWithSomethingToFree();

private:
    QTemporaryDir m_appDir;
    DeviceImageFixture m_devices; // an empty device folder: no demo device
};

void tst_OneKeyHomeAndResultViews::temporaryFileEstimate_data()
{
    QTest::addColumn<quint64>("used");
    QTest::addColumn<quint64>("total");
    QTest::addColumn<QString>("lastUsed");
    QTest::addColumn<quint64>("expected");
    const quint64 total = 64 * kGiB;
    QTest::newRow("no history, 18.75 % used") << 12 * kGiB << total << QString() << quint64(0);
    QTest::newRow("no history, 31.25 % used") << 20 * kGiB << total << QString() << 18 * kGiB / 40;
    QTest::newRow("no history, exactly 20 %") << total / 5 << total << QString() << quint64(0);
    QTest::newRow("new entry reads as no history") << 20 * kGiB << total << QString("0") << 18 * kGiB / 40;
    QTest::newRow("grown by less than 1 GiB")
        << 10 * kGiB + kGiB - 1 << total << QString::number(10 * kGiB) << quint64(0);
    QTest::newRow("grown by exactly 1 GiB") << 11 * kGiB << total << QString::number(10 * kGiB) << kGiB / 40;
    QTest::newRow("shrunk by 2 GiB") << 8 * kGiB << total << QString::number(10 * kGiB) << 2 * kGiB / 40;
    // With history the percentage no longer matters, however full the device.
    QTest::newRow("history, nearly empty device") << 3 * kGiB << total << QString::number(1 * kGiB) << 2 * kGiB / 40;
}

void tst_OneKeyHomeAndResultViews::temporaryFileEstimate()
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

void tst_OneKeyHomeAndResultViews::homeShowsTheDeviceAndItsOwnHistory()
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

void tst_OneKeyHomeAndResultViews::quickScanStartsOnlyFromAShownPage()
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

void tst_OneKeyHomeAndResultViews::resultRowsSumTheirCategories()
{
    OneKeyCleanResultView result;
    // A fresh page: every row done.
    for (int row = 0; row < OneKeyCleanResultView::RowCount; ++row)
        QCOMPARE(result.RowWidget(row)->ButtonText(), QString("Done"));

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

void tst_OneKeyHomeAndResultViews::tempCleanStartsOnlyWithSomethingToFree()
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

QTEST_MAIN(tst_OneKeyHomeAndResultViews)
#include "tst_OneKeyHomeAndResultViews.moc"
