// The photo browse view (page 17): grouping by local day, the lazy grid, the three levels
// of check boxes and what they write back to the shared list, and the two actions.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CGlobalData.h"
#include "DeviceImageFixture.h"
#include "FakeMainWindow.h"
#include "ImageControls.h"
#include "ImageExportBrowseView.h"
#include "ImagePreviewControls.h"
#include "MainWindowAccess.h"
#include "OvStyleCheckBox.h"
#include "OvStyleComboBox.h"

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

/// `count` photos spread over `days` days, newest on 2024-06-30.
void SetManyPhotos(int count, int days)
{
    QVector<qint64> times;
    const qint64 last = Utc("2024-06-30T12:00:00Z");
    for (int i = 0; i < count; ++i)
        times.append(last - qint64(i % days) * 86400 - (i / days) * 60);
    SetPhotos(times);
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

} // namespace

class tst_ImageExportBrowseView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void groupsByLocalDayNewestFirst();
    void onlyRowsOnScreenGetCells();
    void checkBoxesAgreeAtEveryLevel();
    void actionsNeedACheckedPhoto();
    void choosingADateScrollsToIt();
    void emptyAndReplacedLists();
    void thousandsOfDatesKeepAHandfulOfWidgets();

private:
    DeviceImageFixture m_devices; // no device plugged: posts reach nothing
    FakeMainWindow m_window;
};

void tst_ImageExportBrowseView::initTestCase()
{
    QVERIFY(m_devices.isValid());
    AppStyle::instance().initialise(applicationDirectory());
    MainWindowAccess::registerInstance(&m_window);
}

void tst_ImageExportBrowseView::init()
{
    m_window.tabsEnabled = true;
    SetTimeZone("UTC");
}

void tst_ImageExportBrowseView::groupsByLocalDayNewestFirst()
{
    // The last second of a day and the first of the next fall in different groups.
    SetPhotos({ Utc("2024-03-01T23:59:59Z"), Utc("2024-03-02T00:00:00Z"), Utc("2024-02-29T10:00:00Z"),
                Utc("2024-03-02T12:00:00Z"), Utc("2023-03-02T12:00:00Z") });
    ImageExportBrowseView view;
    view.LoadPhotos();
    QCOMPARE(view.GroupCount(), 4);
    QStringList keys;
    QList<int> counts;
    for (int i = 0; i < view.GroupCount(); ++i) {
        keys << view.GroupData(i)->dateKey;
        counts << view.GroupData(i)->photos.size();
    }
    QCOMPARE(keys, QStringList({ "2024-03-02", "2024-03-01", "2024-02-29", "2023-03-02" }));
    QCOMPARE(counts, QList<int>({ 2, 1, 1, 1 }));
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
    QCOMPARE(view.GroupCount(), 2);
    QCOMPARE(view.GroupData(0)->dateKey, QString("2024-03-02"));
    QCOMPARE(view.GroupData(0)->photos.size(), 2);
    QCOMPARE(view.GroupData(1)->dateKey, QString("2024-03-01"));
    QCOMPARE(view.GroupWidget(1)->DateKey(), QString("2024-03-01"));

    // Days on which the clocks change are 23 and 25 hours long: their midnight is not the
    // photo's time minus its local time of day.
    SetTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
    SetPhotos({ Utc("2024-10-27T22:59:59Z"), Utc("2024-10-26T22:00:00Z"), Utc("2024-10-26T21:59:59Z"),
                Utc("2024-03-31T08:00:00Z"), Utc("2024-03-30T23:00:00Z"), Utc("2024-03-30T22:59:59Z") });
    view.LoadPhotos();
    keys.clear();
    counts.clear();
    for (int i = 0; i < view.GroupCount(); ++i) {
        keys << view.GroupData(i)->dateKey;
        counts << view.GroupData(i)->photos.size();
    }
    QCOMPARE(keys, QStringList({ "2024-10-27", "2024-10-26", "2024-03-31", "2024-03-30" }));
    QCOMPARE(counts, QList<int>({ 2, 1, 2, 1 }));
}

void tst_ImageExportBrowseView::onlyRowsOnScreenGetCells()
{
    SetManyPhotos(5000, 150);
    ImageExportBrowseView view;
    view.resize(1000, 560);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.LoadPhotos();
    QCOMPARE(view.GroupCount(), 150);
    // A 420-pixel window shows four or five rows of eight: far fewer than 5 000 cells.
    QVERIFY2(view.CellCount() > 0 && view.CellCount() <= 60, qPrintable(QString::number(view.CellCount())));
    QCOMPARE(view.findChildren<ImageControls*>().size(), view.CellCount());
    QVERIFY(view.GroupWidget(0)->CellCount() > 0);

    // The last group at the bottom: the first one gives its cells back.
    auto* scrollArea = view.findChild<QScrollArea*>("photoScrollArea");
    QScrollBar* bar = scrollArea->verticalScrollBar();
    bar->setValue(bar->maximum());
    QVERIFY(!view.GroupWidget(0));
    ImagePreviewControls* last = view.GroupWidget(view.GroupCount() - 1);
    QVERIFY(last && last->CellCount() > 0);
    QVERIFY(view.findChildren<ImageControls*>().size() <= 60);
    QCOMPARE(
        last->geometry(),
        QRect(0, view.GroupTop(view.GroupCount() - 1), last->width(), view.GroupData(view.GroupCount() - 1)->height));

    // Each group is exactly as tall as its rows and follows the one above, so the grid's
    // height is known cell-free and widget-free.
    const int columns = ImagePreviewControls::ColumnsFor(last->width());
    int top = 36;
    for (int i = 0; i < view.GroupCount(); ++i) {
        const BrowseGroup* group = view.GroupData(i);
        QCOMPARE(group->height, ImagePreviewControls::HeightFor(group->photos.size(), columns));
        QCOMPARE(view.GroupTop(i), top);
        top += group->height;
    }
    QCOMPARE(scrollArea->widget()->height(), top);
}

void tst_ImageExportBrowseView::checkBoxesAgreeAtEveryLevel()
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
    QVERIFY(exportOnly->styleSheet().contains("QPushButton{color:#999999;}"));

    // Clicking pictures: partly, then fully checked; the last one turns the header checked.
    QTest::mouseClick(day->Cell(0), Qt::LeftButton);
    QCOMPARE(header->checkState(), Qt::PartiallyChecked);
    QCOMPARE(selectAll->checkState(), Qt::PartiallyChecked);
    QVERIFY(exportOnly->isEnabled() && backupDelete->isEnabled());
    QVERIFY(backupDelete->styleSheet().contains("QPushButton{color:#ffffff;}"));
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

    // Select All, from partly checked, checks everything; again unchecks everything.
    selectAll->click();
    QCOMPARE(selectAll->checkState(), Qt::Checked);
    QCOMPARE(view.CheckedCount(), 4);
    QCOMPARE(CheckedIds().size(), 4);
    QCOMPARE(view.GroupState(1), Qt::Checked);
    selectAll->click();
    QCOMPARE(selectAll->checkState(), Qt::Unchecked);
    QCOMPARE(header->checkState(), Qt::Unchecked);
    QVERIFY(!day->Cell(0)->IsChecked());
    QVERIFY(CheckedIds().isEmpty());
    QVERIFY(!backupDelete->isEnabled());
    QVERIFY(backupDelete->styleSheet().contains("QPushButton{color:#999999;}"));

    // Cells made later show what was chosen before they existed.
    day->slotCheckBoxChange(true);
    day->ReleaseCells();
    day->ShowRange(0, 1000);
    QVERIFY(day->Cell(2)->IsChecked());
}

void tst_ImageExportBrowseView::actionsNeedACheckedPhoto()
{
    SetPhotos({ Utc("2024-05-02T10:00:00Z"), Utc("2024-05-01T10:00:00Z") });
    ImageExportBrowseView view;
    view.LoadPhotos();
    QSignalSpy exported(&view, SIGNAL(onStartExport(int)));
    QSignalSpy deleted(&view, SIGNAL(onStartDelete(int)));

    // Called directly: the disabled buttons are not what stops them.
    QVERIFY(QMetaObject::invokeMethod(&view, "slotExportOnly"));
    QVERIFY(QMetaObject::invokeMethod(&view, "slotExportDelete"));
    QCOMPARE(exported.count() + deleted.count(), 0);
    QVERIFY(m_window.tabsEnabled);
}

void tst_ImageExportBrowseView::choosingADateScrollsToIt()
{
    SetManyPhotos(600, 20);
    ImageExportBrowseView view;
    view.resize(1000, 560);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.LoadPhotos();
    QScrollBar* bar = view.findChild<QScrollArea*>("photoScrollArea")->verticalScrollBar();
    auto* combo = view.findChild<OvStyleComboBox*>("dateComboBox");
    auto* currentDate = view.findChild<OvStyleCheckBox*>("currentDateCheckBox");

    // Group 3 is below the viewport: it has no widget, and its data takes the change.
    QVERIFY(!view.GroupWidget(3));
    view.SetPhotoChecked(3, 0, true);
    QCOMPARE(CheckedIds().size(), 1);
    QVERIFY(QMetaObject::invokeMethod(&view, "slotComboBox", Q_ARG(int, 0)));
    QCOMPARE(bar->value(), 36);
    QCOMPARE(currentDate->checkState(), Qt::Unchecked);

    QVERIFY(QMetaObject::invokeMethod(&view, "slotComboBox", Q_ARG(int, 3)));
    const int expected = 36 + view.GroupData(0)->height + view.GroupData(1)->height + view.GroupData(2)->height;
    QCOMPARE(bar->value(), expected);
    QCOMPARE(combo->currentIndex(), 3);
    QCOMPARE(currentDate->checkState(), Qt::PartiallyChecked);
    // The chosen day is on screen, so its cells exist and show the earlier change.
    QVERIFY(view.GroupWidget(3)->Cell(0)->IsChecked());
    QCOMPARE(view.GroupWidget(3)->Header()->checkState(), Qt::PartiallyChecked);
    QVERIFY(!view.GroupWidget(0));

    // The date box checks that day only.
    currentDate->click();
    QCOMPARE(view.GroupState(3), Qt::Checked);
    QCOMPARE(view.GroupState(2), Qt::Unchecked);
    QCOMPARE(view.CheckedCount(), view.GroupData(3)->photos.size());
    currentDate->click();
    QCOMPARE(view.CheckedCount(), 0);
}

void tst_ImageExportBrowseView::emptyAndReplacedLists()
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

void tst_ImageExportBrowseView::thousandsOfDatesKeepAHandfulOfWidgets()
{
    SetManyPhotos(9000, 3000);
    ImageExportBrowseView view;
    view.resize(1000, 560);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.LoadPhotos();
    QCOMPARE(view.GroupCount(), 3000);
    auto* combo = view.findChild<OvStyleComboBox*>("dateComboBox");
    auto* currentDate = view.findChild<OvStyleCheckBox*>("currentDateCheckBox");
    auto* selectAll = view.findChild<OvStyleCheckBox*>("selectAllCheckBox");
    QScrollBar* bar = view.findChild<QScrollArea*>("photoScrollArea")->verticalScrollBar();
    QCOMPARE(combo->count(), 3000);
    QCOMPARE(combo->itemText(2999), view.GroupData(2999)->dateKey);
    const auto widgetCount = [&view] {
        const int count = view.findChildren<ImagePreviewControls*>().size();
        return count == view.GroupWidgetCount() && count <= 12 ? count : -count;
    };
    QVERIFY2(widgetCount() > 0, qPrintable(QString::number(widgetCount())));

    // Far down and back up: widgets follow the viewport, bound to the groups shown there.
    QVERIFY(QMetaObject::invokeMethod(&view, "slotComboBox", Q_ARG(int, 2500)));
    QCOMPARE(bar->value(), view.GroupTop(2500));
    ImagePreviewControls* shown = view.GroupWidget(2500);
    QVERIFY(shown && shown->isVisible());
    QCOMPARE(shown->DateKey(), view.GroupData(2500)->dateKey);
    QCOMPARE(shown->Header()->text(), QString("3 photos"));
    QCOMPARE(shown->y(), view.GroupTop(2500));
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
    QCOMPARE(view.CheckedCount(), 9000);
    QCOMPARE(CheckedIds().size(), 9000);
    QCOMPARE(view.GroupState(2999), Qt::Checked);
    QVERIFY(view.GroupWidget(0)->Cell(0)->IsChecked());
    QCOMPARE(view.GroupWidget(0)->Header()->checkState(), Qt::Checked);

    // A widget recycled for a group far away shows that group's state, not its last one.
    view.SetPhotoChecked(2000, 1, false);
    QCOMPARE(view.GroupState(2000), Qt::PartiallyChecked);
    QCOMPARE(CheckedIds().size(), 8999);
    QVERIFY(QMetaObject::invokeMethod(&view, "slotComboBox", Q_ARG(int, 2000)));
    QCOMPARE(currentDate->checkState(), Qt::PartiallyChecked);
    ImagePreviewControls* day = view.GroupWidget(2000);
    QCOMPARE(day->Header()->checkState(), Qt::PartiallyChecked);
    QVERIFY(day->Cell(0)->IsChecked());
    QVERIFY(!day->Cell(1)->IsChecked());
    QVERIFY(view.GroupWidget(2001)->Cell(0)->IsChecked());
    selectAll->click();
    QCOMPARE(view.CheckedCount(), 9000);
    QVERIFY(day->Cell(1)->IsChecked());
    selectAll->click();
    QVERIFY(CheckedIds().isEmpty());
    QCOMPARE(view.GroupState(1200), Qt::Unchecked);
    QVERIFY(!day->Cell(0)->IsChecked());
}

QTEST_MAIN(tst_ImageExportBrowseView)
#include "tst_ImageExportBrowseView.moc"
