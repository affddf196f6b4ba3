// The 1-Click Free Up Space tab against a simulated device whose content the test knows:
// what the pages report must be true of the device, before and after each clean.
#include "AppManagerView.h"
#include "AppPaths.h"
#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "CacheCleanProcessView.h"
#include "CancelFlags.h"
#include "CleanHistory.h"
#include "DeviceImageFixture.h"
#include "FakeMainWindow.h"
#include "ImageCompressionFinshed.h"
#include "ImageCompressionScanReslut.h"
#include "ImageControls.h"
#include "JunkCleanScanResultView.h"
#include "LargeFilesCleanView.h"
#include "LargeFilesProcessView.h"
#include "MainWindowAccess.h"
#include "MessageBoxAnswerer.h"
#include "OneKeyCleanResultView.h"
#include "OneKeyFileInfo.h"
#include "OneKeyPages.h"
#include "OvMessageBox.h"
#include "OvOneKeyClearModel.h"
#include "PageWaiter.h"
#include "SignalRecorder.h"
#include "SimulatedPhone.h"
#include "StoreTotals.h"
#include "TaskWidget.h"

#include "AppFolder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <mutex>

using namespace OneKeyPage;

namespace {

QByteArray Sha1(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result();
}

} // namespace

class tst_OneKeyClearModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void quickScanShowsWhatTheDeviceHolds();
    void junkCleanDeletesExactlyTheCheckedRows();
    void backAndDoneFollowWhereTheUserCameFrom();
    void temporaryFileCleanMeasuresTheDevice();
    void compressionKeepsTheOriginalsAndSavesThreeQuarters();
    void photoExportAndDeleteActOnTheCheckedPhotosOnly();
    void largeFilesAreCopiedThenDeletedFromTheDevice();
    void removingAppsMarksEachRowAndEndsOnTheTotal();
    void stoppedRunsShowWhatWasDone();
    void emptyLargeFileScanEndsOnItsFinishPage();
    void withoutDeviceNothingWaitsSilently();

private:
    /// Presses the enabled button reading `text` on `page`.
    static bool press(QWidget* page, const QString& text);
    void quickScan();
    QJsonArray deviceArray(const char* key) const;
    /// The bytes of the entries under `key` of the device's own record that `counted` accepts.
    quint64 deviceBytes(const char* key, const std::function<bool(const QJsonObject&)>& counted = {}) const;
    ImageCompressionFinshed* finish(int page) const
    {
        return qobject_cast<ImageCompressionFinshed*>(m_model->page(page));
    }
    /// Clicks the first `count` photos of the browser; the paths the shared list now marks.
    QStringList checkFirstPhotos(int count);

    QTemporaryDir m_appDir;
    SimulatedPhone m_simulated;
    DeviceImageFixture& m_devices = m_simulated.devices();
    FakeMainWindow m_window;
    QString m_phone;
    OvOneKeyClearModel* m_model = nullptr;
};

void tst_OneKeyClearModel::initTestCase()
{
    QVERIFY(m_appDir.isValid());
    // A program folder of our own for the clean history, with the built skin in it.
    UseAsAppFolder(m_appDir.path());
    AppStyle::instance().initialise(applicationDirectory());
    MainWindowAccess::registerInstance(&m_window);

    DeviceContent content = DeviceImageFixture::smallContent();
    content.junkFilesPerCode = 3;
    content.largeFiles = 3;
    QVERIFY2(m_simulated.connect(content), qPrintable(m_simulated.error()));
    m_phone = m_simulated.folder();
    CController::GetInstance()->LoadDeviceInfo();

    m_model = new OvOneKeyClearModel;
    m_model->resize(1000, 560);
    m_model->show();
}

void tst_OneKeyClearModel::cleanupTestCase()
{
    delete m_model;
    CController::Release();
    MainWindowAccess::registerInstance(nullptr);
}

void tst_OneKeyClearModel::init()
{
    CController::GetInstance()->LoadDeviceInfo();
    quickScanOrigin = false;
    m_model->SwitchPage(Home);
}

bool tst_OneKeyClearModel::press(QWidget* page, const QString& text)
{
    const auto buttons = page->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        // "&&" is how a button shows a lone "&".
        if (QString(button->text()).replace("&&", "&") == text && button->isVisible() && button->isEnabled()) {
            QTest::mouseClick(button, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

QJsonArray tst_OneKeyClearModel::deviceArray(const char* key) const
{
    return m_devices.image(m_phone).array(QLatin1String(key));
}

quint64 tst_OneKeyClearModel::deviceBytes(const char* key, const std::function<bool(const QJsonObject&)>& counted) const
{
    quint64 sum = 0;
    for (const QJsonValue& value : deviceArray(key)) {
        if (!counted || counted(value.toObject()))
            sum += quint64(value.toObject().value("size").toDouble());
    }
    return sum;
}

void tst_OneKeyClearModel::quickScan()
{
    QVERIFY(press(m_model->page(Home), "Quick Scan"));
    QVERIFY_PAGE(m_model, QuickResult);
}

void tst_OneKeyClearModel::quickScanShowsWhatTheDeviceHolds()
{
    // Every reply is counted, and the result page comes with the tenth only.
    QList<int> pagesAtReply;
    auto counting = connect(m_model, &OvOneKeyClearModel::signalScanReturn, this,
                            [&](int) { pagesAtReply << m_model->currentPage(); });
    QVERIFY(press(m_model->page(Home), "Quick Scan"));
    QCOMPARE(m_model->currentPage(), int(QuickScanning));
    QVERIFY(!m_window.tabsEnabled);
    QVERIFY_PAGE(m_model, QuickResult);
    disconnect(counting);
    QCOMPARE(pagesAtReply.size(), 10);
    QVERIFY(!pagesAtReply.contains(int(QuickResult)));
    QVERIFY(m_window.tabsEnabled);
    QVERIFY(quickScanOrigin);
    QVERIFY(m_model->IsOnResultPage());

    // The rows against the device's own figures.
    const auto isCrashLog = [](const QJsonObject& file) { return file.value("code").toInt() == 256; };
    const quint64 crashLogs = deviceBytes("junk", isCrashLog);
    QVERIFY(crashLogs > 0 && crashLogs < kCrashLogThreshold); // counts as nothing
    quint64 apps = 0;
    {
        CGlobalData* store = CGlobalData::GetInstance();
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        QCOMPARE(store->m_obLApps.size(), deviceArray("apps").size());
        for (const AppResultInfo& app : store->m_obLApps)
            apps += app.m_nAppSize;
    }
    auto* result = qobject_cast<OneKeyCleanResultView*>(m_model->page(QuickResult));
    QCOMPARE(result->RowSize(0), deviceBytes("junk") - crashLogs);
    QCOMPARE(result->RowSize(3), deviceBytes("largeFiles"));
    QCOMPARE(result->RowSize(4), apps);
    QVERIFY(apps > 0);
    QCOMPARE(result->RowSize(2),
             deviceBytes("media", [](const QJsonObject& photo) { return !photo.value("deleted").toBool(); }));
}

void tst_OneKeyClearModel::junkCleanDeletesExactlyTheCheckedRows()
{
    quickScan();
    QVERIFY(press(m_model->page(QuickResult), "Clean")); // the junk row comes first
    QCOMPARE(m_model->currentPage(), int(JunkResult));

    // Leave the photo caches on the device.
    auto* junkPage = qobject_cast<JunkCleanScanResultView*>(m_model->page(JunkResult));
    auto* photoCaches = junkPage->Row(64)->findChild<QCheckBox*>();
    QVERIFY(photoCaches && photoCaches->isChecked());
    QTest::mouseClick(photoCaches, Qt::LeftButton);
    QVERIFY(!photoCaches->isChecked());

    const auto bytesOf = [this](int code) {
        return deviceBytes("junk", [code](const QJsonObject& file) { return file.value("code").toInt() == code; });
    };
    const quint64 caches = bytesOf(64);
    const quint64 crashLogs = bytesOf(256); // this small they are not offered
    const quint64 expected = bytesOf(32) + bytesOf(128) + bytesOf(512);
    QCOMPARE(junkPage->SelectedSize(), expected);

    const quint64 freeBefore = m_devices.summary(m_phone).freeBytes;
    QVERIFY(press(junkPage, "Clean"));
    QVERIFY_PAGE(m_model, JunkFinished);
    QCOMPARE(bytesOf(64), caches);
    QCOMPARE(bytesOf(256), crashLogs);
    QCOMPARE(deviceBytes("junk"), caches + crashLogs);

    auto* finished = finish(JunkFinished);
    QCOMPARE(finished->ReleasedSize(), expected);
    QCOMPARE(m_devices.summary(m_phone).freeBytes, freeBefore + expected); // the figure is what the device gained
    QVERIFY(m_window.tabsEnabled);
    // Every cleaned row reads empty now, not only the last one cleaned; the kept one stays.
    for (int code : { 32, 128, 512 })
        QVERIFY2(junkPage->Row(code)->Size() == 0, qPrintable(QString::number(code)));
    QVERIFY(junkPage->Row(64)->Size() > 0);
    auto* result = qobject_cast<OneKeyCleanResultView*>(m_model->page(QuickResult));
    QCOMPARE(result->RowSize(0), junkPage->Row(64)->Size());
    QCOMPARE(result->ReleasedTotal(), expected);

    // The clean history under the device key: the running total and the time of the clean.
    const CleanHistoryEntry history = ReadCleanHistory(CGlobalData::GetInstance()->m_strDeviceKey);
    QCOMPARE(history.totalCleaned, QString::number(m_model->totalReleased()));
    QVERIFY(m_model->totalReleased() >= expected);
    QCOMPARE(history.lastCleanDate.left(10), QDate::currentDate().toString("MM-dd-yyyy"));
}

void tst_OneKeyClearModel::backAndDoneFollowWhereTheUserCameFrom()
{
    MessageBoxAnswerer answerer(OvMessageBox::No);

    // From the quick result, Back returns there without a question.
    quickScan();
    emit qobject_cast<OneKeyCleanResultView*>(m_model->page(QuickResult))->ShowLargeFilesView(LargeList);
    QCOMPARE(m_model->currentPage(), int(LargeList));
    QVERIFY(press(m_model->page(LargeList), "Back"));
    QCOMPARE(m_model->currentPage(), int(QuickResult));
    QVERIFY(answerer.questions().isEmpty());
    QVERIFY(!quickScanOrigin);

    // From the home page, Back asks; a question closed by the window system is not a "Yes".
    answerer.setButton(0);
    QVERIFY(press(m_model->page(QuickResult), "Back"));
    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(m_model->currentPage(), int(QuickResult));
    answerer.setButton(OvMessageBox::Yes);
    QVERIFY(press(m_model->page(QuickResult), "Back"));
    QCOMPARE(m_model->currentPage(), int(Home));

    answerer.setButton(OvMessageBox::No);
    QVERIFY(press(m_model->page(Home), "Large Files"));
    QVERIFY_PAGE(m_model, LargeList);
    QVERIFY(!quickScanOrigin);
    QVERIFY(press(m_model->page(LargeList), "Back"));
    QCOMPARE(answerer.questions().size(), 3);
    QCOMPARE(answerer.questions().last().text,
             QStringLiteral("If you go back, the scanning result won't be saved. Are you sure you want to go back?"));
    QCOMPARE(m_model->currentPage(), int(LargeList));
    answerer.setButton(OvMessageBox::Yes);
    QVERIFY(press(m_model->page(LargeList), "Back"));
    QCOMPARE(m_model->currentPage(), int(Home));

    // Every other result page leads back to the quick result as well.
    for (int page : { JunkResult, PhotoResult, AppList }) {
        m_model->SwitchPage(page);
        quickScanOrigin = true;
        QVERIFY(press(m_model->page(page), "Back"));
        QCOMPARE(m_model->currentPage(), int(QuickResult));
    }

    // "Done" on a finish page goes back to where the flow began.
    quickScanOrigin = true;
    m_model->SwitchPage(JunkFinished);
    QVERIFY(press(m_model->page(JunkFinished), "Done"));
    QCOMPARE(m_model->currentPage(), int(QuickResult));
    m_model->SwitchPage(JunkFinished);
    QVERIFY(press(m_model->page(JunkFinished), "Done"));
    QCOMPARE(m_model->currentPage(), int(Home));
}

void tst_OneKeyClearModel::temporaryFileCleanMeasuresTheDevice()
{
    const quint64 tempBytes = deviceBytes("tempFiles");
    QVERIFY(tempBytes > 0);
    // A reconnect starts from what the history holds, so the figure never shrinks.
    m_model->ResetReleasedTotal();
    const quint64 totalBefore = m_model->totalReleased();
    QCOMPARE(QString::number(totalBefore), ReadCleanHistory(CGlobalData::GetInstance()->m_strDeviceKey).totalCleaned);
    QVERIFY(totalBefore > 0);

    // The clean starts at once; its figure is what the device's free space gained.
    emit qobject_cast<OneKeyCleanResultView*>(m_model->page(QuickResult))->ShowCacheView(TempCleaning);
    QCOMPARE(m_model->currentPage(), int(TempCleaning));
    QVERIFY(!m_window.tabsEnabled);
    QVERIFY_PAGE(m_model, TempFinished);
    auto* finished = finish(TempFinished);
    QCOMPARE(finished->ReleasedSize(), tempBytes);
    QCOMPARE(m_model->totalReleased(), totalBefore + tempBytes);
    QVERIFY(m_window.tabsEnabled);
    const ImageSummary summary = m_devices.summary(m_phone);
    QCOMPARE(ReadCleanHistory(CGlobalData::GetInstance()->m_strDeviceKey).lastUsedSpace,
             QString::number(summary.usedBytes));

    // Nothing left to free: the page shows a figure between 30.00 and 99.99 MB instead.
    m_model->SwitchPage(QuickResult);
    emit qobject_cast<OneKeyCleanResultView*>(m_model->page(QuickResult))->ShowCacheView(TempCleaning);
    QVERIFY_PAGE(m_model, TempFinished);
    const quint64 figure = finished->ReleasedSize();
    QVERIFY2(figure >= quint64(30.0 * 1024 * 1024) && figure <= quint64(99.99 * 1024 * 1024 + 1),
             qPrintable(QString::number(figure)));

    // "Stop" once the clean has ended, while the device settles, reports the clean.
    m_model->SwitchPage(QuickResult);
    emit qobject_cast<OneKeyCleanResultView*>(m_model->page(QuickResult))->ShowCacheView(TempCleaning);
    auto* cleaning = qobject_cast<CacheCleanProcessView*>(m_model->page(TempCleaning));
    QVERIFY(DeviceImageFixture::waitFor([&] { return !cleaning->IsCounting(); })); // the end has come
    QCOMPARE(m_model->currentPage(), int(TempCleaning));
    MessageBoxAnswerer answerer(OvMessageBox::Yes);
    QVERIFY(press(cleaning, "Stop"));
    QCOMPARE(m_model->currentPage(), int(TempFinished));
    QCOMPARE(finished->MessageText(), QStringLiteral("Congratulations! Cleanup completed."));
    QVERIFY(m_window.tabsEnabled);

    // Less free space after the clean than before it: reported as failed, nothing counted.
    const quint64 totalNow = m_model->totalReleased();
    m_model->SwitchPage(QuickResult);
    CGlobalData* store = CGlobalData::GetInstance();
    store->m_nFreeSpace = store->m_nTotalSpace - 1; // the figure the clean starts from
    answerer.setButton(OvMessageBox::OK);
    const int asked = answerer.questions().size();
    emit qobject_cast<OneKeyCleanResultView*>(m_model->page(QuickResult))->ShowCacheView(TempCleaning);
    QTRY_COMPARE_WITH_TIMEOUT(answerer.questions().size(), asked + 1, 20000);
    QCOMPARE(answerer.questions().last().text,
             QStringLiteral("Cleaning failed for some unknown errors. Please try it again."));
    QCOMPARE(m_model->currentPage(), int(TempFinished));
    QCOMPARE(finished->MessageText(), QStringLiteral("Cleanup stopped!"));
    QCOMPARE(finished->ReleasedSize(), quint64(0));
    QVERIFY(!finished->IsFolderLinkShown());
    QCOMPARE(m_model->totalReleased(), totalNow);
}

void tst_OneKeyClearModel::compressionKeepsTheOriginalsAndSavesThreeQuarters()
{
    QVERIFY(press(m_model->page(Home), "Photos"));
    QVERIFY_PAGE(m_model, PhotoResult);
    QVERIFY(!quickScanOrigin);

    // The originals, as the device holds them before compression.
    QMap<QString, QByteArray> originals;
    quint64 sizes = 0;
    const DeviceImage image = m_devices.image(m_phone);
    {
        CGlobalData* store = CGlobalData::GetInstance();
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        QVERIFY(!store->m_obLCompressPhotos.isEmpty());
        for (const OneKeyFileInfo& photo : store->m_obLCompressPhotos) {
            originals.insert(photo.m_strName, Sha1(image.localPath(photo.m_strPath)));
            sizes += photo.m_nSize;
        }
    }
    QVERIFY(press(m_model->page(PhotoResult), "Backup & Compress"));
    QVERIFY_PAGE(m_model, CompressFinished);
    auto* finished = finish(CompressFinished);
    // Three quarters of each photo, rounded down photo by photo.
    const quint64 expectedSaving = sizes * 75 / 100;
    QVERIFY(finished->ReleasedSize() <= expectedSaving
            && finished->ReleasedSize() + originals.size() >= expectedSaving);
    QCOMPARE(finished->MessageText(), QStringLiteral("Congratulations! Compressed successfully."));
    const QString folder = CGlobalData::GetInstance()->m_strDeviceKey + "/Compress";
    QCOMPARE(m_model->finishFolder(), folder);

    const QDir backups(folder);
    for (auto it = originals.constBegin(); it != originals.constEnd(); ++it) {
        const QStringList found
            = backups.entryList({ "*" + QFileInfo(it.key()).completeBaseName() + "*" }, QDir::Files);
        QVERIFY2(!found.isEmpty(), qPrintable(it.key()));
        QCOMPARE(Sha1(backups.filePath(found.first())), it.value());
    }
    // Smaller on the device now.
    quint64 compressedSizes = 0;
    const DeviceImage after = m_devices.image(m_phone);
    for (const QJsonValue& value : after.array("media")) {
        const QJsonObject photo = value.toObject();
        if (photo.value("compressed").toBool())
            compressedSizes += quint64(QFileInfo(after.localPath(photo.value("path").toString())).size());
    }
    QVERIFY(compressedSizes > 0 && compressedSizes < sizes);
}

QStringList tst_OneKeyClearModel::checkFirstPhotos(int count)
{
    auto* browse = m_model->page(PhotoBrowse);
    QList<ImageControls*> cells = browse->findChildren<ImageControls*>();
    const auto place = [browse](ImageControls* cell) {
        const QPoint at = cell->mapTo(browse, QPoint());
        return std::make_pair(at.y(), at.x());
    };
    std::sort(cells.begin(), cells.end(), [&](ImageControls* a, ImageControls* b) { return place(a) < place(b); });
    for (int i = 0; i < count && i < cells.size(); ++i)
        QTest::mouseClick(cells.at(i), Qt::LeftButton, {}, QPoint(10, 10));
    QStringList paths;
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    for (const OneKeyMediaInfo& photo : store->m_obLPhotos) {
        if (photo.m_bChecked)
            paths << photo.m_strPath;
    }
    return paths;
}

void tst_OneKeyClearModel::photoExportAndDeleteActOnTheCheckedPhotosOnly()
{
    const QString exports = CGlobalData::GetInstance()->m_strDeviceKey + "/Export";
    QDir(exports).removeRecursively();
    const int photosBefore = deviceArray("media").size();

    // "Export Only": copies of the two checked photos, the device unchanged.
    QVERIFY(press(m_model->page(Home), "Photos"));
    QVERIFY_PAGE(m_model, PhotoResult);
    QVERIFY(press(m_model->page(PhotoResult), "Export & Delete"));
    QCOMPARE(m_model->currentPage(), int(PhotoBrowse));
    const QStringList exported = checkFirstPhotos(2);
    QCOMPARE(exported.size(), 2);
    QList<int> bar;
    auto* exporting = qobject_cast<LargeFilesProcessView*>(m_model->page(PhotoExporting));
    auto counting = connect(CTaskCallback::GetInstance(), &CTaskCallback::signalOneKeyClearRespond, this,
                            [&] { bar << exporting->ProgressValue(); });
    auto stopCounting = qScopeGuard([&] { disconnect(counting); });
    QVERIFY(press(m_model->page(PhotoBrowse), "Export Only"));
    QCOMPARE(exporting->ProgressValue(), 1); // a fresh run, whatever the last one reached
    QCOMPARE(exporting->MaxValue(), quint64(2));
    QVERIFY_PAGE(m_model, PhotoExportFinished);
    stopCounting.dismiss();
    disconnect(counting);
    QCOMPARE(bar, QList<int>({ 50, 100, 100 })); // two items, then the end
    const DeviceImage image = m_devices.image(m_phone);
    QCOMPARE(QDir(exports).entryList(QDir::Files).size(), 2);
    quint64 exportedBytes = 0;
    for (const QString& path : exported) {
        const QString copy = exports + "/" + QFileInfo(path).fileName();
        QCOMPARE(Sha1(copy), Sha1(image.localPath(path)));
        exportedBytes += quint64(QFileInfo(copy).size());
    }
    QCOMPARE(image.array("media").size(), photosBefore);
    QCOMPARE(finish(PhotoExportFinished)->ReleasedSize(), exportedBytes);
    QCOMPARE(m_model->finishFolder(), exports);

    // "Backup & Delete": the checked photo is kept on the computer and gone from the device.
    QVERIFY(press(m_model->page(PhotoExportFinished), "Done"));
    QCOMPARE(m_model->currentPage(), int(Home));
    QVERIFY(press(m_model->page(Home), "Photos"));
    QVERIFY_PAGE(m_model, PhotoResult);
    QVERIFY(press(m_model->page(PhotoResult), "Export & Delete"));
    const QStringList deleted = checkFirstPhotos(1);
    QCOMPARE(deleted.size(), 1);
    const QByteArray original = Sha1(m_devices.image(m_phone).localPath(deleted.first()));
    const quint64 totalBefore = m_model->totalReleased();
    QVERIFY(press(m_model->page(PhotoBrowse), "Backup & Delete"));
    auto* deleting = qobject_cast<LargeFilesProcessView*>(m_model->page(PhotoDeleting));
    QVERIFY_PAGE(m_model, PhotoDeleteFinished);
    QCOMPARE(deleting->DoneCount(), 1);
    QCOMPARE(deleting->ProgressValue(), 100);
    QCOMPARE(Sha1(exports + "/" + QFileInfo(deleted.first()).fileName()), original);
    QCOMPARE(deviceArray("media").size(), photosBefore - 1);
    for (const QJsonValue& value : deviceArray("media"))
        QVERIFY(value.toObject().value("path").toString() != deleted.first());
    const quint64 released = finish(PhotoDeleteFinished)->ReleasedSize();
    QVERIFY(released > 0);
    QCOMPARE(m_model->totalReleased(), totalBefore + released);
    QVERIFY(press(m_model->page(PhotoDeleteFinished), "Done"));
    QCOMPARE(m_model->currentPage(), int(Home));
}

void tst_OneKeyClearModel::largeFilesAreCopiedThenDeletedFromTheDevice()
{
    QVERIFY(press(m_model->page(Home), "Large Files"));
    QVERIFY_PAGE(m_model, LargeList);
    auto* list = qobject_cast<LargeFilesCleanView*>(m_model->page(LargeList));
    list->headerClicked_Slot(true);

    QList<int> bar;
    auto* progress = qobject_cast<LargeFilesProcessView*>(m_model->page(LargeExporting));
    const QMetaObject::Connection recording
        = connect(m_model, &OvOneKeyClearModel::signalLargeExport, this, [&] { bar << progress->ProgressValue(); });
    const auto stopRecording = qScopeGuard([&] { disconnect(recording); });
    QVERIFY(press(list, "Export Only"));
    QVERIFY(!m_window.tabsEnabled);
    QVERIFY_PAGE(m_model, LargeExportFinished);
    QCOMPARE(bar, QList<int>({ 33, 66, 99 }));

    const QString folder = CGlobalData::GetInstance()->m_strDeviceKey + "/Large";
    QCOMPARE(m_model->finishFolder(), folder);
    const DeviceImage image = m_devices.image(m_phone);
    quint64 total = 0;
    for (const QJsonValue& value : image.array("largeFiles")) {
        const QString path = value.toObject().value("path").toString();
        const QFileInfo copy(folder + "/" + QFileInfo(path).fileName());
        QVERIFY2(copy.exists(), qPrintable(copy.filePath()));
        QCOMPARE(quint64(copy.size()), quint64(value.toObject().value("size").toDouble()));
        total += quint64(copy.size());
    }
    QCOMPARE(image.array("largeFiles").size(), 3); // an export leaves the device as it was
    QCOMPARE(finish(LargeExportFinished)->ReleasedSize(), total);
    QVERIFY(m_window.tabsEnabled);

    m_model->SwitchPage(LargeList);
    const quint64 totalBefore = m_model->totalReleased();
    QList<quint64> sizes;
    for (const QJsonValue& value : deviceArray("largeFiles"))
        sizes << quint64(value.toObject().value("size").toDouble());
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes.size(), 3);

    // Everything checked, then the smallest file filtered away.
    list->headerClicked_Slot(true);
    const int minimum = int(std::ceil(LargeFilesCleanView::SizeInMiB(sizes.first())));
    QVERIFY(LargeFilesCleanView::SizeInMiB(sizes.at(1)) > minimum);
    auto* sizeField = list->findChild<QLineEdit*>("largeFilesSizeFilter");
    QTest::keyClicks(sizeField, QString::number(minimum));
    QCOMPARE(list->VisibleRowCount(), 2);

    // Asked first; "Cancel" deletes nothing, "No" only what the list shows.
    MessageBoxAnswerer answerer(OvMessageBox::Cancel);
    QVERIFY(press(list, "Back Up & Delete"));
    QCOMPARE(answerer.questions().size(), 1);
    QVERIFY(answerer.questions().first().text.startsWith("1 of the checked files are hidden by the filters."));
    QCOMPARE(m_model->currentPage(), int(LargeList));
    answerer.setButton(OvMessageBox::No);
    const quint64 freeBefore = m_devices.summary(m_phone).freeBytes;
    QVERIFY(press(list, "Back Up & Delete"));
    auto* deleting = qobject_cast<LargeFilesProcessView*>(m_model->page(LargeDeleting));
    QCOMPARE(deleting->MaxValue(), quint64(2));
    QVERIFY_PAGE(m_model, LargeDeleteFinished, 30000);
    QCOMPARE(deleting->ProgressValue(), 100);
    QCOMPARE(deleting->DoneCount(), 2);

    const QJsonArray left = deviceArray("largeFiles");
    QCOMPARE(left.size(), 1);
    QCOMPARE(quint64(left.first().toObject().value("size").toDouble()), sizes.first());
    const quint64 released = finish(LargeDeleteFinished)->ReleasedSize();
    QCOMPARE(released, sizes.at(1) + sizes.at(2));
    QCOMPARE(m_devices.summary(m_phone).freeBytes, freeBefore + released);
    QCOMPARE(m_model->totalReleased(), totalBefore + released);
}

void tst_OneKeyClearModel::removingAppsMarksEachRowAndEndsOnTheTotal()
{
    QVERIFY(press(m_model->page(Home), "Apps"));
    QVERIFY_PAGE(m_model, AppList);
    auto* apps = qobject_cast<AppManagerView*>(m_model->page(AppList));
    auto* table = apps->findChild<QTableView*>();
    QVERIFY(table);

    // Sorted by size, the table no longer follows the list whose order the removals take:
    // each row must still be marked as its own app goes.
    QStringList listOrder;
    QHash<QString, quint64> sizes;
    {
        CGlobalData* store = CGlobalData::GetInstance();
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        QVERIFY(store->m_obLApps.size() > 3);
        for (const AppResultInfo& app : store->m_obLApps) {
            listOrder << app.m_strBundleId;
            sizes.insert(app.m_strBundleId, app.m_nAppSize);
        }
    }
    QHeaderView* header = table->horizontalHeader();
    for (int click = 0; click < 2 && apps->RowBundleId(0) == listOrder.first(); ++click)
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(3) + 10, 10));
    QStringList chosen;
    quint64 expected = 0;
    for (int row = 0; row < 3; ++row) {
        chosen << apps->RowBundleId(row);
        expected += sizes.value(chosen.last());
        const QRect cell = table->visualRect(table->model()->index(row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(apps->IsRowChecked(row));
    }
    // What the three rows show after `replies` replies: 2 removed, 1 removing, 0 waiting.
    const auto statusesAfter = [&](int replies) {
        QList<int> wanted;
        for (const QString& app : chosen) {
            const auto before = [&](const QString& other) { return listOrder.indexOf(other) < listOrder.indexOf(app); };
            const int turn = int(std::count_if(chosen.begin(), chosen.end(), before));
            wanted << (turn < replies ? 2 : turn == replies ? 1 : 0);
        }
        return wanted;
    };
    QVERIFY2(statusesAfter(0) != QList<int>({ 1, 0, 0 }), qPrintable(chosen.join(' '))); // the sort mattered

    QList<QList<int>> statuses;
    const QMetaObject::Connection recording
        = connect(CTaskCallback::GetInstance(), &CTaskCallback::signalOneKeyClearRespond, this, [&] {
              statuses << QList<int> { apps->RowStatus(0), apps->RowStatus(1), apps->RowStatus(2) };
          });
    const auto stopRecording = qScopeGuard([&] { disconnect(recording); });
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    const quint64 freeBefore = m_devices.summary(m_phone).freeBytes;
    QVERIFY(press(apps, "Remove"));
    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(QList<int>({ apps->RowStatus(0), apps->RowStatus(1), apps->RowStatus(2) }), statusesAfter(0));
    QVERIFY(!m_window.tabsEnabled);
    QVERIFY_PAGE(m_model, AppsRemoved);
    QCOMPARE(finish(AppsRemoved)->ReleasedSize(), expected);
    QCOMPARE(m_devices.summary(m_phone).freeBytes, freeBefore + expected);
    // Each reply marks its app done and the next one in progress; the last reloads the list.
    QCOMPARE(statuses.size(), 3);
    QCOMPARE(statuses.at(0), statusesAfter(1));
    QCOMPARE(statuses.at(1), statusesAfter(2));
    QCOMPARE(statuses.at(2), QList<int>({ 0, 0, 0 }));

    const QJsonArray left = deviceArray("apps");
    for (const QJsonValue& value : left)
        QVERIFY(!chosen.contains(value.toObject().value("bundleId").toString()));
    QCOMPARE(apps->RowCount(), left.size());
    QVERIFY(m_window.tabsEnabled);
    // "Continue" leads back to the list for more.
    QVERIFY(press(m_model->page(AppsRemoved), "Continue"));
    QCOMPARE(m_model->currentPage(), int(AppList));
}

void tst_OneKeyClearModel::stoppedRunsShowWhatWasDone()
{
    // Item replies as the engine hands them over: a record on the heap, owned by the model.
    const auto itemDone = [](int code, quint64 size) {
        auto* item = new OneKeyFileInfo;
        item->m_nSize = size;
        emit CTaskCallback::GetInstance()->signalOneKeyClearRespond(code, OV_NOTIFY_ITEM_DONE, item);
    };
    // Stopping tells the engine to stop, before any page is left.
    const auto stop = [this](int page) {
        callbackCancel = false;
        return press(m_model->page(page), "Stop") && callbackCancel;
    };

    // A junk clean stopped after one file: that file's space is shown and counted.
    const quint64 totalBefore = m_model->totalReleased();
    emit qobject_cast<JunkCleanScanResultView*>(m_model->page(JunkResult))->onShowJunkCleanProess(JunkCleaning);
    QCOMPARE(m_model->currentPage(), int(JunkCleaning));
    itemDone(64, 3000);
    QVERIFY(stop(JunkCleaning));
    QCOMPARE(m_model->currentPage(), int(JunkStopped));
    QCOMPARE(finish(JunkStopped)->ReleasedSize(), quint64(3000));
    QCOMPARE(m_model->totalReleased(), totalBefore + 3000);
    QVERIFY(m_window.tabsEnabled);

    // A compression stopped after one photo of 4 000 000 bytes has saved three quarters of it.
    m_model->SwitchPage(PhotoResult);
    QVERIFY(QMetaObject::invokeMethod(m_model, "SlotInitExpressionImage", Q_ARG(int, PhotoBackingUp)));
    itemDone(2048, 4000000);
    QCOMPARE(m_model->currentPage(), int(PhotoCompressing));
    QVERIFY(stop(PhotoCompressing));
    QCOMPARE(m_model->currentPage(), int(CompressStopped));
    QCOMPARE(finish(CompressStopped)->ReleasedSize(), quint64(3000000));
    QCOMPARE(m_model->totalReleased(), totalBefore + 3000 + 3000000);

    // A delete stopped after one of two files ends on its finish page with that file. (The
    // signal alone: the list posts the task after it, which is not wanted here.)
    emit qobject_cast<LargeFilesCleanView*>(m_model->page(LargeList))->onShowNextLargeFilesDeleteView(LargeDeleting);
    QCOMPARE(m_model->currentPage(), int(LargeDeleting));
    auto* deleting = qobject_cast<LargeFilesProcessView*>(m_model->page(LargeDeleting));
    deleting->SetMaxValue(2);
    itemDone(8200, 5000);
    QCOMPARE(deleting->ProgressValue(), 50);
    QVERIFY(stop(LargeDeleting));
    QCOMPARE(m_model->currentPage(), int(LargeDeleteFinished));
    QCOMPARE(finish(LargeDeleteFinished)->ReleasedSize(), quint64(5000));
    QCOMPARE(m_model->totalReleased(), totalBefore + 3000 + 3000000 + 5000);
    QVERIFY(m_window.tabsEnabled);
}

void tst_OneKeyClearModel::emptyLargeFileScanEndsOnItsFinishPage()
{
    const QJsonArray files = deviceArray("largeFiles");
    QVERIFY(m_devices.edit(m_phone, [](DeviceImage& image) { image.setArray("largeFiles", QJsonArray()); }));
    QVERIFY(press(m_model->page(Home), "Large Files"));
    QVERIFY_PAGE(m_model, NoLargeFile);
    QVERIFY(m_window.tabsEnabled);
    QVERIFY(m_devices.edit(m_phone, [&files](DeviceImage& image) { image.setArray("largeFiles", files); }));
}

void tst_OneKeyClearModel::withoutDeviceNothingWaitsSilently()
{
    // Results from while the device was there, then the device goes.
    quickScan();
    // A new scan counts what it frees afresh, after all the cleans before.
    QCOMPARE(qobject_cast<OneKeyCleanResultView*>(m_model->page(QuickResult))->ReleasedTotal(), quint64(0));
    QVERIFY(m_devices.unplug(m_phone));
    QVERIFY(
        DeviceImageFixture::waitFor([] { return CController::GetInstance()->GetDeviceManager()->DeviceCount() == 0; }));
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    const QString notConnected = QStringLiteral("The device is not connected. Please connect it and try again.");
    // Each clean tells the user and stays on, or goes back to, the page it was started from.
    const auto refused = [&](int page, const QString& button) {
        m_model->SwitchPage(page);
        const int asked = answerer.questions().size();
        if (!press(m_model->page(page), button))
            return QStringLiteral("no button \"%1\" on page %2").arg(button).arg(page);
        if (answerer.questions().size() != asked + 1 || answerer.questions().last().text != notConnected)
            return QStringLiteral("page %1 did not say the device is gone").arg(page);
        if (m_model->currentPage() != page || !m_window.tabsEnabled)
            return QStringLiteral("page %1 left for %2").arg(page).arg(m_model->currentPage());
        return QString();
    };
    auto* junk = qobject_cast<JunkCleanScanResultView*>(m_model->page(JunkResult));
    QVERIFY(junk->SelectedSize() > 0);
    QCOMPARE(refused(JunkResult, "Clean"), QString());
    {
        // The compression earlier left nothing worth compressing on the device.
        CGlobalData* store = CGlobalData::GetInstance();
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        OneKeyFileInfo photo;
        photo.m_nSize = 4000000;
        store->m_obLCompressPhotos.append(photo);
    }
    qobject_cast<ImageCompressionScanReslut*>(m_model->page(PhotoResult))->Refresh();
    QCOMPARE(refused(PhotoResult, "Backup & Compress"), QString());
    m_model->SwitchPage(PhotoResult);
    QVERIFY(press(m_model->page(PhotoResult), "Export & Delete"));
    QCOMPARE(m_model->currentPage(), int(PhotoBrowse));
    QVERIFY(!checkFirstPhotos(1).isEmpty());
    QCOMPARE(refused(PhotoBrowse, "Export Only"), QString());
    QCOMPARE(refused(PhotoBrowse, "Backup & Delete"), QString());
    qobject_cast<LargeFilesCleanView*>(m_model->page(LargeList))->headerClicked_Slot(true);
    QCOMPARE(refused(LargeList, "Export Only"), QString());
    QCOMPARE(refused(LargeList, "Back Up & Delete"), QString());
    m_model->SwitchPage(QuickResult);
    emit qobject_cast<OneKeyCleanResultView*>(m_model->page(QuickResult))->ShowCacheView(TempCleaning);
    QCOMPARE(answerer.questions().last().text, notConnected);
    QCOMPARE(m_model->currentPage(), int(QuickResult));

    // A scan has no such check: it waits on its page until the user stops it.
    m_model->SwitchPage(Home);
    QVERIFY(press(m_model->page(Home), "Apps"));
    QCOMPARE(m_model->currentPage(), int(AppScanning));
    QVERIFY(!QTest::qWaitFor([&] { return m_model->currentPage() != AppScanning; }, 200)); // no reply comes
    answerer.setButton(OvMessageBox::Yes);
    QVERIFY(press(m_model->page(AppScanning), "Stop"));
    QCOMPARE(m_model->currentPage(), int(Home));
    QVERIFY(m_window.tabsEnabled);
}

QTEST_MAIN(tst_OneKeyClearModel)
#include "tst_OneKeyClearModel.moc"
