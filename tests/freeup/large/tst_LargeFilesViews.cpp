#include "AppPaths.h"
#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "DeviceImageFixture.h"
#include "LargeFilesCleanCheckBox.h"
#include "LargeFilesCleanPhotoIcon.h"
#include "LargeFilesCleanView.h"
#include "LargeFilesProcessView.h"
#include "OneKeyPages.h"
#include "SkinImage.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <mutex>

namespace {

constexpr quint64 kMiB = 1024 * 1024;

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

QMap<qint32, int> SharedFlags()
{
    QMap<qint32, int> flags;
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    for (const OneKeyFileInfo& file : store->m_obLLargeFiles)
        flags.insert(file.m_nId, file.m_bChecked);
    return flags;
}

} // namespace

// The large-file list and the export/delete progress page: what the user narrows and
// chooses reaches the shared list that the device task reads, and the page moves as the
// model drives it.
class tst_LargeFilesViews : public QObject
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

private:
    LargeFilesCleanView* m_view = nullptr;
    DeviceImageFixture m_devices; // an empty device folder: no device at all
    QLineEdit* sizeEdit() { return m_view->findChild<QLineEdit*>("largeFilesSizeFilter"); }
    LargeFilesCleanCheckBox* header()
    {
        return m_view->findChild<LargeFilesCleanCheckBox*>("largeFilesHeaderCheckBox");
    }
    QPushButton* button(const char* name) { return m_view->findChild<QPushButton*>(name); }
    void clickRow(int visibleRow);
};

void tst_LargeFilesViews::initTestCase()
{
    AppStyle::instance().initialise(applicationDirectory());
    QVERIFY(m_devices.isValid());
}

void tst_LargeFilesViews::cleanupTestCase()
{
    CController::Release();
}

void tst_LargeFilesViews::init()
{
    SetLargeFiles({});
    m_view = new LargeFilesCleanView;
    m_view->resize(1000, 560);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void tst_LargeFilesViews::cleanup()
{
    delete m_view;
    m_view = nullptr;
}

void tst_LargeFilesViews::clickRow(int visibleRow)
{
    auto* table = m_view->findChild<QTableView*>("largeFilesTable");
    const QRect cell = table->visualRect(table->model()->index(visibleRow, 0));
    QVERIFY(cell.isValid());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

void tst_LargeFilesViews::sizeAndFormatFiltersNarrowTheTable()
{
    SetLargeFiles({ File(1, "exact.mov", "mov", 100 * kMiB),
                    // 100.0004 MiB: above 100 only when not rounded to 2 decimals first.
                    File(2, "almost.MOV", "MOV", 100 * kMiB + 400),
                    File(3, "over.mp3", "mp3", 100 * kMiB + 10240), // 100.0098 MiB, shown as 100.01
                    File(4, "small.pdf", "pdf", 50 * kMiB) });
    m_view->Refresh();
    QCOMPARE(m_view->TypeFilterItems(), QStringList({ "All", "MOV", "MP3", "PDF" }));
    QCOMPARE(m_view->VisibleRowCount(), 4);

    QTest::keyClicks(sizeEdit(), "100");
    QCOMPARE(m_view->VisibleRowCount(), 1);
    QCOMPARE(m_view->VisibleRowId(0), 3);

    // Both spellings of the extension are one format.
    m_view->slotComboBox(m_view->TypeFilterItems().indexOf("MOV"));
    QCOMPARE(m_view->VisibleRowCount(), 0);
    QTest::keyClick(sizeEdit(), Qt::Key_Backspace);
    QTest::keyClick(sizeEdit(), Qt::Key_Backspace);
    QTest::keyClick(sizeEdit(), Qt::Key_Backspace);
    QCOMPARE(m_view->VisibleRowCount(), 2);
    QCOMPARE(QSet<int>({ m_view->VisibleRowId(0), m_view->VisibleRowId(1) }), QSet<int>({ 1, 2 }));

    // The format choice stays while the size changes.
    QTest::keyClicks(sizeEdit(), "60");
    QCOMPARE(m_view->VisibleRowCount(), 2);
    m_view->slotComboBox(0);
    QCOMPARE(m_view->VisibleRowCount(), 3);

    // The field takes whole MiB: no leading zero, no seventh digit, no letters.
    sizeEdit()->clear();
    QTest::keyClicks(sizeEdit(), "0");
    QCOMPARE(sizeEdit()->text(), QString());
    QTest::keyClicks(sizeEdit(), "1234567x");
    QCOMPARE(sizeEdit()->text(), QString("123456"));
}

void tst_LargeFilesViews::choicesReachTheSharedListAndHeaderFollowsVisibleRows()
{
    SetLargeFiles({ File(10, "a.mp4", "mp4", 300 * kMiB), File(20, "b.mp4", "mp4", 200 * kMiB),
                    File(30, "c.zip", "zip", 20 * kMiB) });
    m_view->Refresh();
    QCOMPARE(header()->checkState(), Qt::Unchecked);
    QVERIFY(header()->isEnabled());
    QVERIFY(!button("largeFilesExportButton")->isEnabled());

    // Check the two big ones with the mouse.
    for (int row = 0; row < m_view->VisibleRowCount(); ++row) {
        if (m_view->VisibleRowId(row) != 30)
            clickRow(row);
    }
    QCOMPARE(SharedFlags(), (QMap<qint32, int>({ { 10, 1 }, { 20, 1 }, { 30, 0 } })));
    QCOMPARE(header()->checkState(), Qt::PartiallyChecked);
    QVERIFY(button("largeFilesExportButton")->isEnabled());
    QVERIFY(button("largeFilesDeleteButton")->isEnabled());

    // The unchecked small file hidden: everything the user sees is checked.
    QTest::keyClicks(sizeEdit(), "100");
    QCOMPARE(m_view->VisibleRowCount(), 2);
    QCOMPARE(header()->checkState(), Qt::Checked);
    // Rebuilding the table by the filter kept the choices.
    QVERIFY(m_view->IsVisibleRowChecked(0) && m_view->IsVisibleRowChecked(1));

    // Unchecking through the header touches only what is shown, and disables the actions.
    QTest::mouseClick(header(), Qt::LeftButton);
    QCOMPARE(header()->checkState(), Qt::Unchecked);
    QCOMPARE(SharedFlags(), (QMap<qint32, int>({ { 10, 0 }, { 20, 0 }, { 30, 0 } })));
    QVERIFY(!button("largeFilesExportButton")->isEnabled());
}

void tst_LargeFilesViews::refreshStartsTheChoiceAfresh()
{
    QVector<OneKeyFileInfo> files { File(1, "a.mov", "mov", 300 * kMiB), File(2, "b.wav", "wav", 200 * kMiB) };
    files[0].m_bChecked = 1;
    SetLargeFiles(files);
    m_view->Refresh();
    m_view->slotComboBox(1);
    QTest::keyClicks(sizeEdit(), "250");
    QCOMPARE(m_view->VisibleRowCount(), 1);

    m_view->Refresh();
    QCOMPARE(sizeEdit()->text(), QString());
    QCOMPARE(m_view->VisibleRowCount(), 2);
    QCOMPARE(m_view->findChild<QComboBox*>("largeFilesTypeFilter")->currentIndex(), 0);
    QCOMPARE(SharedFlags(), (QMap<qint32, int>({ { 1, 0 }, { 2, 0 } })));
    QCOMPARE(header()->checkState(), Qt::Unchecked);
    QVERIFY(!button("largeFilesExportButton")->isEnabled());
    QVERIFY(!button("largeFilesDeleteButton")->isEnabled());

    // An empty list: nothing to choose at all.
    SetLargeFiles({});
    m_view->Refresh();
    QCOMPARE(m_view->VisibleRowCount(), 0);
    QCOMPARE(m_view->TypeFilterItems(), QStringList({ "All" }));
    QVERIFY(!header()->isEnabled());
    QVERIFY(!button("largeFilesDeleteButton")->isEnabled());
}

void tst_LargeFilesViews::thumbnailsByFileKind()
{
    QCOMPARE(LargeFilesCleanPhotoIcon::DefaultImageName(".3gp"), QString("large_files_video_def.png"));
    QCOMPARE(LargeFilesCleanPhotoIcon::DefaultImageName("M4a"), QString("large_files_music_def.png"));
    // Part of a listed extension is not a listed extension.
    QCOMPARE(LargeFilesCleanPhotoIcon::DefaultImageName("MP"), QString());
    QCOMPARE(LargeFilesCleanPhotoIcon::DefaultImageName("M4"), QString());
    QCOMPARE(LargeFilesCleanPhotoIcon::DefaultImageName(""), QString());

    // A real thumbnail wins over the kind and is fitted into the cell.
    QTemporaryDir folder;
    const QString path = folder.filePath("thumb.png");
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(path));
    const QPixmap own = LargeFilesCleanPhotoIcon::Thumbnail(path, "mov", QSize(48, 40));
    QCOMPARE(own.size(), QSize(48, 24));
    QCOMPARE(own.toImage().pixelColor(10, 10), QColor(Qt::red));

    // A thumbnail that is gone or unreadable falls back to the kind, and any file gets a picture.
    QFile broken(folder.filePath("broken.png"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    const QPixmap video = LargeFilesCleanPhotoIcon::Thumbnail(broken.fileName(), "MP4", QSize(48, 40));
    QCOMPARE(video.toImage(), SkinPixmap("large_files_video_def.png").toImage());
    QVERIFY(!LargeFilesCleanPhotoIcon::Thumbnail(folder.filePath("gone.png"), "pdf", QSize(48, 40)).isNull());
}

void tst_LargeFilesViews::longListKeepsItsPlaceAndLoadsThumbnailsAside()
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
    m_view->Refresh();
    auto* table = m_view->findChild<QTableView*>("largeFilesTable");

    // The window never waits for a picture: the kind's image first, the file's own later.
    const QModelIndex cell = table->model()->index(0, 1);
    QCOMPARE(cell.data(Qt::DecorationRole).value<QPixmap>().toImage(),
             SkinPixmap("large_files_video_def.png").toImage());
    QTRY_COMPARE(cell.data(Qt::DecorationRole).value<QPixmap>().toImage().pixelColor(20, 20), QColor(Qt::red));

    // Typing a size keeps the row the user was reading at the top.
    table->scrollTo(table->model()->index(200, 0), QAbstractItemView::PositionAtTop);
    const int reading = m_view->VisibleRowId(table->rowAt(0));
    QCOMPARE(reading, 200);
    QTest::keyClicks(sizeEdit(), "5");
    QCOMPARE(m_view->VisibleRowId(table->rowAt(0)), reading);
    QTest::keyClicks(sizeEdit(), "0"); // 50 MiB: only the big files stay
    QCOMPARE(m_view->VisibleRowCount(), 200);
    QCOMPARE(m_view->VisibleRowId(table->rowAt(0)), reading);
}

void tst_LargeFilesViews::progressPastAHundredFiles()
{
    LargeFilesProcessView page(OneKeyPage::LargeExporting);
    // Past 100 files a whole step would be 0: the bar still follows the files done.
    page.SetMaxValue(2000);
    QVERIFY(QMetaObject::invokeMethod(&page, "SetLargeFileView", Q_ARG(int, 1000)));
    QCOMPARE(page.ProgressValue(), 50);
}

QTEST_MAIN(tst_LargeFilesViews)
#include "tst_LargeFilesViews.moc"
