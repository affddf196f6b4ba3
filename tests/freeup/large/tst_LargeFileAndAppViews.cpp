// The large-file list, its progress page and the app list: what the user narrows and chooses
// reaches the shared lists that the device tasks read, and a removal run left without its
// replies does not lock the page.
#include "AppManagerSubWidget.h"
#include "AppManagerView.h"
#include "AppPaths.h"
#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "FakeMainWindow.h"
#include "LargeFilesCleanCheckBox.h"
#include "LargeFilesCleanPhotoIcon.h"
#include "LargeFilesCleanView.h"
#include "LargeFilesProcessView.h"
#include "MainWindowAccess.h"
#include "MessageBoxAnswerer.h"
#include "OneKeyConversions.h"
#include "OneKeyPages.h"
#include "OvMessageBox.h"
#include "SignalRecorder.h"
#include "SimulatedPhone.h"
#include "SkinImage.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <mutex>

namespace {

constexpr quint64 kMiB = 1024 * 1024;

AppResultInfo App(const QString& bundleId, quint64 size)
{
    AppResultInfo app;
    app.m_strBundleId = bundleId;
    app.m_strName = bundleId.section('.', -1);
    app.m_strVersion = "1.0";
    app.m_nAppSize = size;
    return app;
}

void SetApps(const QVector<AppResultInfo>& apps)
{
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    store->m_obLApps = apps;
}

QList<int> AppFlags()
{
    QList<int> flags;
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    for (const AppResultInfo& app : store->m_obLApps)
        flags.append(app.m_bChecked);
    return flags;
}

OneKeyFileInfo File(qint32 id, const QString& name, const QString& extension, quint64 size)
{
    OneKeyFileInfo file;
    file.m_nId = id;
    file.m_strName = name;
    file.m_strExtension = extension;
    file.m_nSize = size;
    file.m_nCode = 8;
    return file;
}

void SetLargeFiles(const QVector<OneKeyFileInfo>& files)
{
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    store->m_obLLargeFiles = files;
}

QMap<qint32, int> FileFlags()
{
    QMap<qint32, int> flags;
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    for (const OneKeyFileInfo& file : store->m_obLLargeFiles)
        flags.insert(file.m_nId, file.m_bChecked);
    return flags;
}

void ClickRow(QTableView* table, int row)
{
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    QVERIFY(cell.isValid());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class tst_LargeFileAndAppViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void sizeAndFormatFiltersNarrowTheTable();
    void choicesReachTheSharedListAndHeaderFollowsVisibleRows();
    void refreshStartsTheChoiceAfresh();
    void thumbnailsByFileKind();
    void longListKeepsItsPlaceAndLoadsThumbnailsAside();
    void progressPastAHundredFiles();
    void headerFollowsTheRowsAndChecksEverything();
    void loadingStartsUnchosenAndSorts();
    void removeAsksFirstAndWithoutADeviceTellsTheUser();
    void iconsFallBackToTheDefault();
    void anAbandonedRunLeavesThePageUsable(); // connects the device: last

private:
    QTableView* filesTable() { return m_files->findChild<QTableView*>("largeFilesTable"); }
    QTableView* appTable() { return m_apps->findChild<QTableView*>("appManagerTable"); }
    QLineEdit* sizeEdit() { return m_files->findChild<QLineEdit*>("largeFilesSizeFilter"); }
    LargeFilesCleanCheckBox* filesHeader()
    {
        return m_files->findChild<LargeFilesCleanCheckBox*>("largeFilesHeaderCheckBox");
    }
    AppManagerSubWidget* appsHeader() { return m_apps->findChild<AppManagerSubWidget*>("appManagerHeaderCheckBox"); }
    /// The push button `name` of either view: their names differ.
    QPushButton* button(const char* name)
    {
        QPushButton* found = m_files->findChild<QPushButton*>(name);
        return found ? found : m_apps->findChild<QPushButton*>(name);
    }

    LargeFilesCleanView* m_files = nullptr;
    AppManagerView* m_apps = nullptr;
    FakeMainWindow m_window;
    SimulatedPhone m_phone; // connected by the last test only
    QTemporaryDir m_temp;
};

void tst_LargeFileAndAppViews::initTestCase()
{
    AppStyle::instance().initialise(applicationDirectory());
    QVERIFY(m_temp.isValid());
    AppStyle::instance().setTempDir(m_temp.path() + "/");
    MainWindowAccess::registerInstance(&m_window);
}

void tst_LargeFileAndAppViews::cleanupTestCase()
{
    CController::Release();
    MainWindowAccess::registerInstance(nullptr);
}

void tst_LargeFileAndAppViews::init()
{
    quickScanOrigin = false;
    m_window.tabsEnabled = true;
    SetLargeFiles({});
    SetApps({ App("com.example.alpha", 30'000'000), App("com.example.beta", 10'000'000),
              App("com.example.gamma", 20'000'000) });
    m_files = new LargeFilesCleanView;
    m_apps = new AppManagerView;
    for (QWidget* view : { static_cast<QWidget*>(m_files), static_cast<QWidget*>(m_apps) }) {
        view->resize(1000, 560);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
    }
    m_apps->LoadApps();
}

void tst_LargeFileAndAppViews::cleanup()
{
    delete m_files;
    delete m_apps;
    m_files = nullptr;
    m_apps = nullptr;
}

void tst_LargeFileAndAppViews::sizeAndFormatFiltersNarrowTheTable()
{
    SetLargeFiles({ File(1, "exact.mov", "mov", 100 * kMiB),
                    // 100.0004 MiB: above 100 only when not rounded to 2 decimals first.
                    File(2, "almost.MOV", "MOV", 100 * kMiB + 400),
                    File(3, "over.mp3", "mp3", 100 * kMiB + 10240), // 100.0098 MiB, shown as 100.01
                    File(4, "small.pdf", "pdf", 50 * kMiB) });
    m_files->Refresh();
    QCOMPARE(m_files->TypeFilterItems(), QStringList({ "All", "MOV", "MP3", "PDF" }));
    QCOMPARE(m_files->VisibleRowCount(), 4);

    QTest::keyClicks(sizeEdit(), "100");
    QCOMPARE(m_files->VisibleRowCount(), 1);
    QCOMPARE(m_files->VisibleRowId(0), 3);

    // Both spellings of the extension are one format.
    m_files->slotComboBox(m_files->TypeFilterItems().indexOf("MOV"));
    QCOMPARE(m_files->VisibleRowCount(), 0);
    QTest::keyClick(sizeEdit(), Qt::Key_Backspace);
    QTest::keyClick(sizeEdit(), Qt::Key_Backspace);
    QTest::keyClick(sizeEdit(), Qt::Key_Backspace);
    QCOMPARE(m_files->VisibleRowCount(), 2);
    QCOMPARE(QSet<int>({ m_files->VisibleRowId(0), m_files->VisibleRowId(1) }), QSet<int>({ 1, 2 }));

    // The format choice stays while the size changes.
    QTest::keyClicks(sizeEdit(), "60");
    QCOMPARE(m_files->VisibleRowCount(), 2);
    m_files->slotComboBox(0);
    QCOMPARE(m_files->VisibleRowCount(), 3);

    // The field takes whole MiB: no leading zero, no seventh digit, no letters.
    sizeEdit()->clear();
    QTest::keyClicks(sizeEdit(), "0");
    QCOMPARE(sizeEdit()->text(), QString());
    QTest::keyClicks(sizeEdit(), "1234567x");
    QCOMPARE(sizeEdit()->text(), QString("123456"));
}

void tst_LargeFileAndAppViews::choicesReachTheSharedListAndHeaderFollowsVisibleRows()
{
    SetLargeFiles({ File(10, "a.mp4", "mp4", 300 * kMiB), File(20, "b.mp4", "mp4", 200 * kMiB),
                    File(30, "c.zip", "zip", 20 * kMiB) });
    m_files->Refresh();
    // The two big ones with the mouse: the table lists the biggest first.
    ClickRow(filesTable(), 0);
    ClickRow(filesTable(), 1);
    QCOMPARE(FileFlags(), (QMap<qint32, int>({ { 10, 1 }, { 20, 1 }, { 30, 0 } })));
    QCOMPARE(filesHeader()->checkState(), Qt::PartiallyChecked);
    QVERIFY(button("largeFilesDeleteButton")->isEnabled());

    // The unchecked small file hidden: everything the user sees is checked.
    QTest::keyClicks(sizeEdit(), "100");
    QCOMPARE(m_files->VisibleRowCount(), 2);
    QCOMPARE(filesHeader()->checkState(), Qt::Checked);
    // Rebuilding the table by the filter kept the choices.
    QVERIFY(m_files->IsVisibleRowChecked(0) && m_files->IsVisibleRowChecked(1));

    // Unchecking through the header touches only what is shown, and disables the actions.
    QTest::mouseClick(filesHeader(), Qt::LeftButton);
    QCOMPARE(filesHeader()->checkState(), Qt::Unchecked);
    QCOMPARE(FileFlags(), (QMap<qint32, int>({ { 10, 0 }, { 20, 0 }, { 30, 0 } })));
    QVERIFY(!button("largeFilesExportButton")->isEnabled());
}

void tst_LargeFileAndAppViews::refreshStartsTheChoiceAfresh()
{
    QVector<OneKeyFileInfo> files { File(1, "a.mov", "mov", 300 * kMiB), File(2, "b.wav", "wav", 200 * kMiB) };
    files[0].m_bChecked = 1;
    SetLargeFiles(files);
    m_files->Refresh();
    m_files->slotComboBox(1);
    QTest::keyClicks(sizeEdit(), "250");
    QCOMPARE(m_files->VisibleRowCount(), 1);

    m_files->Refresh();
    QCOMPARE(sizeEdit()->text(), QString());
    QCOMPARE(m_files->VisibleRowCount(), 2);
    QCOMPARE(m_files->findChild<QComboBox*>("largeFilesTypeFilter")->currentIndex(), 0);
    QCOMPARE(FileFlags(), (QMap<qint32, int>({ { 1, 0 }, { 2, 0 } })));
    QCOMPARE(filesHeader()->checkState(), Qt::Unchecked);
    QVERIFY(!button("largeFilesDeleteButton")->isEnabled());

    // An empty list: nothing to choose at all.
    SetLargeFiles({});
    m_files->Refresh();
    QCOMPARE(m_files->VisibleRowCount(), 0);
    QCOMPARE(m_files->TypeFilterItems(), QStringList({ "All" }));
    QVERIFY(!filesHeader()->isEnabled());
    QVERIFY(!button("largeFilesDeleteButton")->isEnabled());
}

void tst_LargeFileAndAppViews::thumbnailsByFileKind()
{
    QCOMPARE(LargeFilesCleanPhotoIcon::DefaultImageName(".3gp"), QString("large_files_video_def.png"));
    QCOMPARE(LargeFilesCleanPhotoIcon::DefaultImageName("M4a"), QString("large_files_music_def.png"));
    // Part of a listed extension is not a listed extension.
    QCOMPARE(LargeFilesCleanPhotoIcon::DefaultImageName("M4"), QString());
    QCOMPARE(LargeFilesCleanPhotoIcon::DefaultImageName(""), QString());

    // A real thumbnail wins over the kind and is fitted into the cell.
    QTemporaryDir folder;
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(folder.filePath("thumb.png")));
    const QPixmap own = LargeFilesCleanPhotoIcon::Thumbnail(folder.filePath("thumb.png"), "mov", QSize(48, 40));
    QCOMPARE(own.size(), QSize(48, 24));
    QCOMPARE(own.toImage().pixelColor(10, 10), QColor(Qt::red));

    // A thumbnail that is gone or unreadable falls back to the kind, and any file gets a picture.
    QFile broken(folder.filePath("broken.png"));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a picture") > 0);
    broken.close();
    const QPixmap video = LargeFilesCleanPhotoIcon::Thumbnail(broken.fileName(), "MP4", QSize(48, 40));
    QCOMPARE(video.toImage(), SkinPixmap("large_files_video_def.png").toImage());
    QVERIFY(!LargeFilesCleanPhotoIcon::Thumbnail(folder.filePath("gone.png"), "pdf", QSize(48, 40)).isNull());
}

void tst_LargeFileAndAppViews::longListKeepsItsPlaceAndLoadsThumbnailsAside()
{
    QTemporaryDir folder;
    const QString thumbnail = folder.filePath("thumb.png");
    QImage red(64, 64, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(thumbnail));
    // Small and big files by turns; every big one has the same thumbnail.
    QVector<OneKeyFileInfo> files;
    for (int id = 0; id < 400; ++id) {
        OneKeyFileInfo file = File(id, QString("file%1.mov").arg(id), "mov", id % 2 ? 10 * kMiB : 200 * kMiB);
        if (id % 2 == 0)
            file.m_strThumbnailPath = thumbnail;
        files << file;
    }
    SetLargeFiles(files);
    m_files->Refresh();
    auto* table = filesTable();

    // The window never waits for a picture: the kind's image first, the file's own later.
    const QModelIndex cell = table->model()->index(0, 1);
    QCOMPARE(cell.data(Qt::DecorationRole).value<QPixmap>().toImage(),
             SkinPixmap("large_files_video_def.png").toImage());
    QTRY_COMPARE(cell.data(Qt::DecorationRole).value<QPixmap>().toImage().pixelColor(20, 20), QColor(Qt::red));

    // Typing a size keeps the row the user was reading at the top.
    table->scrollTo(table->model()->index(200, 0), QAbstractItemView::PositionAtTop);
    const int reading = m_files->VisibleRowId(table->rowAt(0));
    QCOMPARE(reading, 200);
    QTest::keyClicks(sizeEdit(), "5");
    QCOMPARE(m_files->VisibleRowId(table->rowAt(0)), reading);
    QTest::keyClicks(sizeEdit(), "0"); // 50 MiB: only the big files stay
    QCOMPARE(m_files->VisibleRowCount(), 200);
    QCOMPARE(m_files->VisibleRowId(table->rowAt(0)), reading);
}

void tst_LargeFileAndAppViews::progressPastAHundredFiles()
{
    LargeFilesProcessView page(OneKeyPage::LargeExporting);
    // Past 100 files a whole step would be 0: the bar still follows the files done.
    page.SetMaxValue(2000);
    QVERIFY(QMetaObject::invokeMethod(&page, "SetLargeFileView", Q_ARG(int, 1000)));
    QCOMPARE(page.ProgressValue(), 50);
}

void tst_LargeFileAndAppViews::headerFollowsTheRowsAndChecksEverything()
{
    QCOMPARE(appsHeader()->checkState(), Qt::Unchecked);
    QVERIFY(!button("appManagerRemoveButton")->isEnabled());
    QList<Qt::CheckState> states;
    for (int row = 0; row < 3; ++row) {
        ClickRow(appTable(), row);
        states.append(appsHeader()->checkState());
    }
    QCOMPARE(states, QList<Qt::CheckState>({ Qt::PartiallyChecked, Qt::PartiallyChecked, Qt::Checked }));
    QCOMPARE(AppFlags(), QList<int>({ 1, 1, 1 }));
    ClickRow(appTable(), 1);
    QCOMPARE(appsHeader()->checkState(), Qt::PartiallyChecked);
    QCOMPARE(AppFlags(), QList<int>({ 1, 0, 1 }));

    // A click on the partly checked header checks every app; the next unchecks them all.
    QTest::mouseClick(appsHeader(), Qt::LeftButton);
    QCOMPARE(appsHeader()->checkState(), Qt::Checked);
    QCOMPARE(AppFlags(), QList<int>({ 1, 1, 1 }));
    QVERIFY(m_apps->IsRowChecked(1));
    QTest::mouseClick(appsHeader(), Qt::LeftButton);
    QCOMPARE(appsHeader()->checkState(), Qt::Unchecked);
    QCOMPARE(AppFlags(), QList<int>({ 0, 0, 0 }));
    QVERIFY(!button("appManagerRemoveButton")->isEnabled());

    // An empty table: the header stays unchecked and "Remove" off.
    m_apps->ClearTable();
    QMetaObject::invokeMethod(m_apps, "SetAppChecked", Q_ARG(bool, true));
    QCOMPARE(appsHeader()->checkState(), Qt::Unchecked);
    QVERIFY(!button("appManagerRemoveButton")->isEnabled());
}

void tst_LargeFileAndAppViews::loadingStartsUnchosenAndSorts()
{
    // Flags left over from an earlier visit would make the task remove unseen choices.
    {
        CGlobalData* store = CGlobalData::GetInstance();
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        store->m_obLApps[2].m_bChecked = 1;
    }
    m_apps->LoadApps();
    QCOMPARE(AppFlags(), QList<int>({ 0, 0, 0 }));
    QVERIFY(!m_apps->IsRowChecked(2));

    // Sorting keeps each app's choice with it.
    ClickRow(appTable(), 1); // beta, the smallest
    const auto sortedBySize = [this] {
        QHeaderView* sizes = appTable()->horizontalHeader();
        QTest::mouseClick(sizes->viewport(), Qt::LeftButton, {}, QPoint(sizes->sectionViewportPosition(3) + 10, 10));
        QStringList ids;
        for (int row = 0; row < m_apps->RowCount(); ++row)
            ids.append(m_apps->RowBundleId(row).section('.', -1));
        return ids;
    };
    QCOMPARE(sortedBySize(), QStringList({ "alpha", "gamma", "beta" }));
    QCOMPARE(sortedBySize(), QStringList({ "beta", "gamma", "alpha" }));
    QVERIFY(m_apps->IsRowChecked(0));
    QVERIFY(!m_apps->IsRowChecked(1) && !m_apps->IsRowChecked(2));
}

void tst_LargeFileAndAppViews::removeAsksFirstAndWithoutADeviceTellsTheUser()
{
    MessageBoxAnswerer answerer(OvMessageBox::Cancel);
    QVERIFY(QMetaObject::invokeMethod(m_apps, "SLOT_UninstallCheckedApp"));
    QVERIFY(answerer.questions().isEmpty()); // nothing checked: nothing to ask about

    ClickRow(appTable(), 2);
    QTest::mouseClick(button("appManagerRemoveButton"), Qt::LeftButton);
    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(answerer.questions().first().buttons, OvMessageBox::OK | OvMessageBox::Cancel);
    // Declined: nothing started, the choice still stands.
    QCOMPARE(m_apps->RowStatus(2), int(AppManagerView::Idle));
    QCOMPARE(m_apps->QueuedCount(), 0);
    QVERIFY(m_window.tabsEnabled);

    // No device is connected yet: no removal can be queued, so no reply would ever end the
    // run. The user is told, and the page stays usable instead of locked.
    answerer.setButton(OvMessageBox::OK);
    QTest::mouseClick(button("appManagerRemoveButton"), Qt::LeftButton);
    QCOMPARE(answerer.questions().size(), 3);
    QCOMPARE(answerer.questions().last().text,
             QString("The device is not connected. Please connect it and try again."));
    QCOMPARE(m_apps->RowStatus(2), int(AppManagerView::Idle));
    QVERIFY(button("appManagerRemoveButton")->isEnabled());
    QVERIFY(button("appManagerBackButton")->isEnabled());
    QVERIFY(m_window.tabsEnabled);
    QVERIFY(m_apps->IsRowChecked(2));
    ClickRow(appTable(), 1);
    QVERIFY(m_apps->IsRowChecked(1));
}

void tst_LargeFileAndAppViews::iconsFallBackToTheDefault()
{
    QImage picture(64, 64, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    QVERIFY(QDir().mkpath(m_temp.filePath("appIconTemp")));
    QVERIFY(picture.save(m_temp.filePath("appIconTemp/com.example.saved.png")));
    AppResultInfo fromLibrary = App("com.example.library", 1);
    fromLibrary.m_strIconPath = m_temp.filePath("library.png");
    QVERIFY(picture.save(fromLibrary.m_strIconPath));
    AppResultInfo gone = App("com.example.gone", 1);
    gone.m_strIconPath = m_temp.filePath("nothing-here.png");
    SetApps({ App("com.example.saved", 1), fromLibrary, gone, App("", 1) });
    m_apps->LoadApps();
    QCOMPARE(m_apps->RowIconName(0), m_temp.filePath("appIconTemp/com.example.saved.png"));
    QCOMPARE(m_apps->RowIconName(1), fromLibrary.m_strIconPath);
    QCOMPARE(m_apps->RowIconName(2), QString("app_default.png"));
    QCOMPARE(m_apps->RowIconName(3), QString("app_default.png"));
    // Painting every row with its icon must not trip over the missing ones.
    QVERIFY(!m_apps->grab().isNull());
}

void tst_LargeFileAndAppViews::anAbandonedRunLeavesThePageUsable()
{
    CController* controller = CController::GetInstance();
    CTaskCallback* callback = CTaskCallback::GetInstance();
    SignalRecorder scanned(callback, &CTaskCallback::signalOneKeyScanRespond);
    if (controller->PostOneKeyScanTask(16) == 0) {
        QVERIFY2(m_phone.connect(), qPrintable(m_phone.error()));
        QCOMPARE(controller->PostOneKeyScanTask(16), 1);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!scanned.isEmpty(), 20000);
    m_apps->LoadApps();
    QVERIFY(m_apps->RowCount() >= 2);
    ClickRow(appTable(), 0);
    ClickRow(appTable(), 1);
    // Nothing here hands the replies to the page, as when the device leaves mid-run.
    const auto connection = connect(callback, &CTaskCallback::signalOneKeyClearRespond, this,
                                    [](int type, int, void* record) { DeleteOneKeyClearRecord(type, record); });
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QTest::mouseClick(button("appManagerRemoveButton"), Qt::LeftButton);
    QCOMPARE(m_apps->RowStatus(0) + m_apps->RowStatus(1), int(AppManagerView::Removing));
    QVERIFY(!button("appManagerBackButton")->isEnabled());

    // The next scan's fresh table must leave the page usable, not locked by the run.
    m_apps->ClearTable();
    m_apps->LoadApps();
    QVERIFY(button("appManagerBackButton")->isEnabled());
    QVERIFY(appsHeader()->isEnabled());
    ClickRow(appTable(), 0);
    QVERIFY(m_apps->IsRowChecked(0));
    QVERIFY(button("appManagerRemoveButton")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(AppFlags().size() == m_apps->RowCount(), 1000);
    controller->StopTasks();
    disconnect(connection);
}

QTEST_MAIN(tst_LargeFileAndAppViews)
#include "tst_LargeFileAndAppViews.moc"
