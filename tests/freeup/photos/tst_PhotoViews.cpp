// The photo pages: the result page's offers, the browse view (grouping by local day, the lazy
// grid, the three levels of check boxes and what they write back to the shared list) and the
// finish page that every one-key flow ends on.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CGlobalData.h"
#include "DeviceImageFixture.h"
#include "FakeMainWindow.h"
#include "FormatSize.h"
#include "ImageCompressionFinshed.h"
#include "ImageCompressionScanReslut.h"
#include "ImageControls.h"
#include "ImageExportBrowseView.h"
#include "ImagePreviewControls.h"
#include "MainWindowAccess.h"
#include "OneKeyPages.h"
#include "OvStyleCheckBox.h"
#include "OvStyleComboBox.h"
#include "WebLinks.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <ctime>
#include <mutex>

namespace {

qint64 Utc(const char* text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate).toSecsSinceEpoch();
}

/// Fills the all-photos list with photos at `times`, ids 100, 101, ...
void SetPhotos(const QVector<qint64>& times, quint64 size = 1000)
{
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    store->m_obLPhotos.clear();
    for (int i = 0; i < times.size(); ++i) {
        OneKeyMediaInfo photo;
        photo.m_nId = 100 + i;
        photo.m_nSize = size + quint64(i);
        photo.m_nTime = times.at(i);
        store->m_obLPhotos.append(photo);
    }
}

QVector<int> CheckedIds()
{
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    QVector<int> ids;
    for (const OneKeyMediaInfo& photo : store->m_obLPhotos) {
        if (photo.m_bChecked)
            ids.append(int(photo.m_nId));
    }
    return ids;
}

void SetTimeZone(const QByteArray& zone)
{
    qputenv("TZ", zone);
    tzset();
}

/// The view's groups as "day:photos", newest first.
QStringList Groups(const ImageExportBrowseView& view)
{
    QStringList groups;
    for (int i = 0; i < view.GroupCount(); ++i)
        groups << QStringLiteral("%1:%2").arg(view.GroupData(i)->dateKey).arg(view.GroupData(i)->photos.size());
    return groups;
}

/// Fills the compressible and the all-photos lists with files of the given sizes.
void SetLists(const QVector<quint64>& compressible, const QVector<quint64>& all)
{
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    store->m_obLCompressPhotos.clear();
    store->m_obLPhotos.clear();
    for (quint64 size : compressible) {
        OneKeyFileInfo file;
        file.m_nSize = size;
        store->m_obLCompressPhotos.append(file);
    }
    for (quint64 size : all) {
        OneKeyMediaInfo photo;
        photo.m_nSize = size;
        store->m_obLPhotos.append(photo);
    }
}

} // namespace

/// Catches the addresses the pages hand to the desktop instead of starting a browser.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class tst_PhotoViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void offersAreEnabledOnlyWhenTheySaveSomething();
    void groupsByLocalDayNewestFirst();
    void checkBoxesAgreeAtEveryLevel();
    void emptyAndReplacedLists();
    void onlyWhatIsOnScreenGetsWidgets();
    void compressionRunCountsFromZero();
    void linksOpenTheFolderAndTheWebPages();
    void successAnimationPlaysOnceEachShow();

private:
    DeviceImageFixture m_devices; // no device plugged: posts reach nothing
    FakeMainWindow m_window;
    UrlRecorder m_urls;
};

void tst_PhotoViews::initTestCase()
{
    QVERIFY(m_devices.isValid());
    AppStyle::instance().initialise(applicationDirectory());
    MainWindowAccess::registerInstance(&m_window);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_urls, "open");
}

void tst_PhotoViews::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void tst_PhotoViews::init()
{
    m_window.tabsEnabled = true;
    SetTimeZone("UTC");
    m_urls.urls.clear();
    SetLists({}, {});
}

void tst_PhotoViews::groupsByLocalDayNewestFirst()
{
    // The last second of a day and the first of the next fall in different groups.
    SetPhotos({ Utc("2024-03-01T23:59:59Z"), Utc("2024-03-02T00:00:00Z"), Utc("2024-02-29T10:00:00Z"),
                Utc("2024-03-02T12:00:00Z"), Utc("2023-03-02T12:00:00Z") });
    ImageExportBrowseView view;
    view.LoadPhotos();
    QCOMPARE(Groups(view), QStringList({ "2024-03-02:2", "2024-03-01:1", "2024-02-29:1", "2023-03-02:1" }));
    auto* combo = view.findChild<OvStyleComboBox*>("dateComboBox");
    QCOMPARE(combo->count(), 4);
    QCOMPARE(combo->itemText(1), QString("2024-03-01"));
    QCOMPARE(view.GroupWidget(0)->findChild<OvStyleCheckBox*>("photoDateCheckBox")->text(), QString("2 photos"));
    QCOMPARE(view.TotalSize(), quint64(1000 + 1001 + 1002 + 1003 + 1004));

    // Nine hours east of UTC the evening photo of 1 March is taken on 2 March, and the day
    // starts nine hours earlier: grouping by UTC date would miss both.
    SetTimeZone("JST-9");
    SetPhotos({ Utc("2024-03-01T20:00:00Z"), Utc("2024-03-01T14:59:59Z"), Utc("2024-03-01T15:00:00Z") });
    view.LoadPhotos();
    QCOMPARE(Groups(view), QStringList({ "2024-03-02:2", "2024-03-01:1" }));
    QCOMPARE(view.GroupWidget(1)->DateKey(), QString("2024-03-01"));

    // Days on which the clocks change are 23 and 25 hours long: their midnight is not the
    // photo's time minus its local time of day.
    SetTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
    SetPhotos({ Utc("2024-10-27T22:59:59Z"), Utc("2024-10-26T22:00:00Z"), Utc("2024-10-26T21:59:59Z"),
                Utc("2024-03-31T08:00:00Z"), Utc("2024-03-30T23:00:00Z"), Utc("2024-03-30T22:59:59Z") });
    view.LoadPhotos();
    QCOMPARE(Groups(view), QStringList({ "2024-10-27:2", "2024-10-26:1", "2024-03-31:2", "2024-03-30:1" }));
}

void tst_PhotoViews::checkBoxesAgreeAtEveryLevel()
{
    SetPhotos({ Utc("2024-05-02T10:00:00Z"), Utc("2024-05-02T11:00:00Z"), Utc("2024-05-02T12:00:00Z"),
                Utc("2024-05-01T12:00:00Z") });
    ImageExportBrowseView view;
    view.resize(1000, 560);
    view.show();
    view.LoadPhotos();
    auto* selectAll = view.findChild<OvStyleCheckBox*>("selectAllCheckBox");
    auto* exportOnly = view.findChild<QPushButton*>("exportOnlyButton");
    auto* backupDelete = view.findChild<QPushButton*>("backupDeleteButton");
    ImagePreviewControls* day = view.GroupWidget(0);
    auto* header = day->findChild<OvStyleCheckBox*>("photoDateCheckBox");
    QCOMPARE(day->PhotoCount(), 3);
    QCOMPARE(selectAll->checkState(), Qt::Unchecked);
    QVERIFY(!exportOnly->isEnabled());

    // Clicking pictures: partly, then fully checked; the last one turns the header checked.
    QTest::mouseClick(day->Cell(0), Qt::LeftButton);
    QCOMPARE(header->checkState(), Qt::PartiallyChecked);
    QCOMPARE(selectAll->checkState(), Qt::PartiallyChecked);
    QVERIFY(exportOnly->isEnabled() && backupDelete->isEnabled());
    QTest::mouseClick(day->Cell(1), Qt::LeftButton);
    QCOMPARE(header->checkState(), Qt::PartiallyChecked);
    QTest::mouseClick(day->Cell(2)->findChild<OvStyleCheckBox*>(), Qt::LeftButton);
    QCOMPARE(header->checkState(), Qt::Checked);
    QCOMPARE(selectAll->checkState(), Qt::PartiallyChecked); // the other day is untouched
    QCOMPARE(view.CheckedCount(), 3);
    // The export task reads the shared list: newest photo (id 102) first in the grid.
    QCOMPARE(CheckedIds(), QVector<int>({ 100, 101, 102 }));
    QCOMPARE(view.CheckedSize(), quint64(1000 + 1001 + 1002));

    // A click on a partly checked header checks the whole day, never "partly" again.
    QTest::mouseClick(day->Cell(1), Qt::LeftButton);
    QCOMPARE(header->checkState(), Qt::PartiallyChecked);
    header->click();
    QCOMPARE(header->checkState(), Qt::Checked);
    QVERIFY(day->Cell(1)->IsChecked());

    // Select All, twice, leaves nothing to act on.
    selectAll->click();
    selectAll->click();
    QCOMPARE(header->checkState(), Qt::Unchecked);
    QVERIFY(!backupDelete->isEnabled());

    // Cells made later show what was chosen before they existed.
    day->slotCheckBoxChange(true);
    day->ReleaseCells();
    day->ShowRange(0, 1000);
    QVERIFY(day->Cell(2)->IsChecked());
}

void tst_PhotoViews::emptyAndReplacedLists()
{
    SetPhotos({});
    ImageExportBrowseView view;
    view.show();
    view.LoadPhotos();
    QCOMPARE(view.GroupCount(), 0);
    auto* currentDate = view.findChild<OvStyleCheckBox*>("currentDateCheckBox");
    auto* selectAll = view.findChild<OvStyleCheckBox*>("selectAllCheckBox");
    QVERIFY(!selectAll->isEnabled());
    QVERIFY(!view.findChild<QPushButton*>("exportOnlyButton")->isEnabled());
    QVERIFY(QMetaObject::invokeMethod(&view, "slotCheckBoxSelectAll", Q_ARG(bool, true)));
    QVERIFY(QMetaObject::invokeMethod(&view, "slotCheckBoxCurrentDate", Q_ARG(bool, true)));
    QCOMPARE(currentDate->checkState(), Qt::Unchecked);
    QCOMPARE(view.CheckedCount(), 0);

    // Checked flags of the list survive a reload; a list replaced under the view (a new
    // scan) is not written with the old view's choices.
    SetPhotos({ Utc("2024-05-02T10:00:00Z"), Utc("2024-05-02T11:00:00Z") });
    {
        CGlobalData* store = CGlobalData::GetInstance();
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        store->m_obLPhotos[1].m_bChecked = 1;
    }
    view.LoadPhotos();
    QCOMPARE(view.CheckedCount(), 1);
    QCOMPARE(selectAll->checkState(), Qt::PartiallyChecked);
    {
        CGlobalData* store = CGlobalData::GetInstance();
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        store->m_obLPhotos[0].m_nId = 900;
        store->m_obLPhotos.removeLast();
    }
    selectAll->click();
    QCOMPARE(view.CheckedCount(), 2);
    QVERIFY(CheckedIds().isEmpty());
}

void tst_PhotoViews::onlyWhatIsOnScreenGetsWidgets()
{
    // Three photos on each of 3000 days, and 200 more on the newest: a day taller than the window.
    QVector<qint64> times;
    const qint64 last = Utc("2024-06-30T12:00:00Z");
    for (int i = 0; i < 9000; ++i)
        times.append(last - qint64(i % 3000) * 86400 - (i / 3000) * 60);
    for (int i = 0; i < 200; ++i)
        times.append(last - 600 - i);
    SetPhotos(times);
    ImageExportBrowseView view;
    view.resize(1000, 560);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.LoadPhotos();
    QCOMPARE(view.GroupCount(), 3000);
    QCOMPARE(view.GroupData(0)->photos.size(), 203);
    auto* combo = view.findChild<OvStyleComboBox*>("dateComboBox");
    auto* currentDate = view.findChild<OvStyleCheckBox*>("currentDateCheckBox");
    auto* selectAll = view.findChild<OvStyleCheckBox*>("selectAllCheckBox");
    QScrollArea* scrollArea = view.findChild<QScrollArea*>("photoScrollArea");
    QScrollBar* bar = scrollArea->verticalScrollBar();
    QCOMPARE(combo->count(), 3000);
    // A 420-pixel window shows four or five rows of eight cells, and a handful of days.
    const auto widgetCount = [&view] {
        const int count = view.findChildren<ImagePreviewControls*>().size();
        const int cells = view.findChildren<ImageControls*>().size();
        return count == view.GroupWidgetCount() && count <= 12 && cells == view.CellCount() && cells > 0 && cells <= 60
            ? count
            : -count;
    };
    QVERIFY2(widgetCount() > 0, qPrintable(QString::number(widgetCount())));

    // Each group is exactly as tall as its rows and follows the one above, so the grid's
    // height is known cell-free and widget-free.
    const int columns = ImagePreviewControls::ColumnsFor(view.GroupWidget(0)->width());
    int top = 36;
    for (int i = 0; i < view.GroupCount(); ++i) {
        QCOMPARE(view.GroupData(i)->height, ImagePreviewControls::HeightFor(view.GroupData(i)->photos.size(), columns));
        QCOMPARE(view.GroupTop(i), top);
        top += view.GroupData(i)->height;
    }
    QCOMPARE(scrollArea->widget()->height(), top);

    // Far down and back up: widgets follow the viewport, bound to the groups shown there.
    QVERIFY(QMetaObject::invokeMethod(&view, "slotComboBox", Q_ARG(int, 2500)));
    QCOMPARE(bar->value(), view.GroupTop(2500));
    ImagePreviewControls* shown = view.GroupWidget(2500);
    QVERIFY(shown && shown->isVisible());
    QCOMPARE(shown->DateKey(), view.GroupData(2500)->dateKey);
    QCOMPARE(shown->geometry(), QRect(0, view.GroupTop(2500), shown->width(), view.GroupData(2500)->height));
    QVERIFY(!view.GroupWidget(0));
    QVERIFY2(widgetCount() > 0, qPrintable(QString::number(widgetCount())));
    for (int value = 0; value < bar->maximum(); value += bar->maximum() / 37) {
        bar->setValue(value);
        QVERIFY2(widgetCount() > 0, qPrintable(QString::number(widgetCount())));
    }

    // The date box on a date whose widget has scrolled away.
    QVERIFY(QMetaObject::invokeMethod(&view, "slotComboBox", Q_ARG(int, 1200)));
    bar->setValue(0);
    QVERIFY(!view.GroupWidget(1200));
    currentDate->click();
    QCOMPARE(view.GroupState(1200), Qt::Checked);
    QCOMPARE(CheckedIds().size(), 3);
    QCOMPARE(selectAll->checkState(), Qt::PartiallyChecked);

    // Select All reaches every photo of the shared list, not only those on screen.
    selectAll->click();
    QCOMPARE(selectAll->checkState(), Qt::Checked);
    QCOMPARE(view.CheckedCount(), 9200);
    QCOMPARE(CheckedIds().size(), 9200);
    QCOMPARE(view.GroupState(2999), Qt::Checked);
    QVERIFY(view.GroupWidget(0)->Cell(0)->IsChecked());
    QCOMPARE(view.GroupWidget(0)->Header()->checkState(), Qt::Checked);

    // A widget recycled for a group far away shows that group's state, not its last one.
    view.SetPhotoChecked(2000, 1, false);
    QCOMPARE(view.GroupState(2000), Qt::PartiallyChecked);
    QCOMPARE(CheckedIds().size(), 9199);
    QVERIFY(QMetaObject::invokeMethod(&view, "slotComboBox", Q_ARG(int, 2000)));
    QCOMPARE(currentDate->checkState(), Qt::PartiallyChecked);
    ImagePreviewControls* day = view.GroupWidget(2000);
    QCOMPARE(day->Header()->checkState(), Qt::PartiallyChecked);
    QVERIFY(day->Cell(0)->IsChecked());
    QVERIFY(!day->Cell(1)->IsChecked());
    QVERIFY(view.GroupWidget(2001)->Cell(0)->IsChecked());
    selectAll->click();
    QCOMPARE(view.CheckedCount(), 9200);
    QVERIFY(day->Cell(1)->IsChecked());
    selectAll->click();
    QVERIFY(CheckedIds().isEmpty());
    QCOMPARE(view.GroupState(1200), Qt::Unchecked);
    QVERIFY(!day->Cell(0)->IsChecked());
}

void tst_PhotoViews::offersAreEnabledOnlyWhenTheySaveSomething()
{
    ImageCompressionScanReslut page;
    auto* compress = page.findChild<QPushButton*>("backupCompressButton");
    auto* exportDelete = page.findChild<QPushButton*>("exportDeleteButton");
    QVERIFY(!compress->isEnabled());
    QVERIFY(!exportDelete->isEnabled());

    // Photos, but none worth compressing.
    SetLists({}, { 1000, 2000 });
    page.Refresh();
    QVERIFY(!compress->isEnabled());
    QVERIFY(exportDelete->isEnabled());
    QCOMPARE(page.ExportSaving(), quint64(3000));

    // 75 % in integer arithmetic, past 32 bits: 4 000 000 000 + 4 000 000 + 3 bytes.
    SetLists({ 4000000000ull, 4000000, 3 }, { 4000000000ull });
    page.Refresh();
    QCOMPARE(page.CompressionSaving(), quint64(3003000002));
    QVERIFY(compress->isEnabled());

    // A single byte saves nothing: 1 × 75 / 100 is 0.
    SetLists({ 1 }, {});
    page.Refresh();
    QCOMPARE(page.CompressionSaving(), quint64(0));
    QVERIFY(!compress->isEnabled());
    QVERIFY(!exportDelete->isEnabled());
}

void tst_PhotoViews::compressionRunCountsFromZero()
{
    // A second compression on the same page must not add to the first one's figure.
    ImageCompressionFinshed finish(OneKeyPage::CompressFinished);
    finish.SetReleasedSize(5);
    finish.BeginRun();
    finish.AddRunSaving(4000000ull * 75 / 100);
    finish.AddRunSaving(2000000ull * 75 / 100);
    QCOMPARE(finish.ReleasedSize(), quint64(5));
    finish.EndRun();
    QCOMPARE(finish.ReleasedSize(), quint64(4500000));
    QCOMPARE(finish.SizeText(), FormatSize(4500000, 2));
    finish.BeginRun();
    finish.EndRun();
    QCOMPARE(finish.ReleasedSize(), quint64(0));
}

void tst_PhotoViews::linksOpenTheFolderAndTheWebPages()
{
    ImageCompressionFinshed finish(OneKeyPage::CompressFinished);
    finish.SetFolder("/tmp/device key/Compress");
    finish.show();
    QTest::mouseClick(finish.findChild<QPushButton*>("openFolderLink"), Qt::LeftButton);
    QCOMPARE(m_urls.urls.size(), 1);
    QCOMPARE(m_urls.urls.first().toString(), QString("file:///tmp/device key/Compress"));

    // The product page travels as one parameter, not as part of the share address.
    m_urls.urls.clear();
    QSignalSpy facebook(&finish, SIGNAL(onFacebook()));
    const QByteArray product = QUrl::toPercentEncoding(WebLinks::address(WebLinks::ProductHome));
    for (const char* name : { "shareFacebookButton", "shareTwitterButton", "shareGoogleButton" }) {
        QTest::mouseClick(finish.findChild<QPushButton*>(name), Qt::LeftButton);
        QVERIFY2(m_urls.urls.last().toString(QUrl::FullyEncoded).contains(product), name);
    }
    QCOMPARE(facebook.count(), 1);
    QCOMPARE(m_urls.urls.size(), 3);

    m_urls.urls.clear();
    QSignalSpy link(&finish, SIGNAL(onOpenLink()));
    auto* crestline = finish.findChild<QLabel*>("crestlineLink");
    emit crestline->linkActivated("crestline");
    QCOMPARE(link.count(), 1);
    QCOMPARE(m_urls.urls, QList<QUrl>({ QUrl(WebLinks::address(WebLinks::CrestlineHome)) }));
}

void tst_PhotoViews::successAnimationPlaysOnceEachShow()
{
    ImageCompressionFinshed finish(OneKeyPage::PhotoExportFinished);
    QMovie* movie = finish.IconMovie();
    QVERIFY(movie && movie->frameCount() > 1);
    QCOMPARE(movie->state(), QMovie::NotRunning);

    finish.show();
    QCOMPARE(movie->state(), QMovie::Running);
    QTRY_COMPARE_WITH_TIMEOUT(movie->state(), QMovie::NotRunning, 15000);
    QCOMPARE(movie->currentFrameNumber(), movie->frameCount() - 1); // held on its last frame

    finish.hide();
    finish.show();
    QCOMPARE(movie->state(), QMovie::Running);
    QVERIFY(movie->currentFrameNumber() < movie->frameCount() - 1);

    // A stopped page has a still image and no animation.
    finish.SetIcon("stopped_icon.png");
    QVERIFY(!finish.IconMovie());
    QVERIFY(!finish.findChild<QLabel*>("finishIcon")->pixmap(Qt::ReturnByValue).isNull());
}

QTEST_MAIN(tst_PhotoViews)
#include "tst_PhotoViews.moc"
