#include "ImageExportBrowseView.h"

#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "FormatSize.h"
#include "ImagePreviewControls.h"
#include "ImagePreviewScrollAreaStyle.h"
#include "OneKeyPages.h"
#include "OneKeyWidgets.h"
#include "OvStyleCheckBox.h"
#include "OvStyleComboBox.h"
#include "ovdriver.h"

#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <ctime>
#include <mutex>

namespace {

/// The strip above the first group; choosing a date scrolls past it.
constexpr int kGridHeaderHeight = 36;
/// The grid's width on a 1000-pixel page before the view was ever laid out.
constexpr int kDefaultGridWidth = 910;
/// How far beyond the viewport group widgets are kept, and how many hidden ones are kept
/// for reuse.
constexpr int kWidgetMargin = 120;
constexpr int kSpareWidgets = 4;
const char* const kOrange = "#f7961f";

QString Orange(const QString& text)
{
    return QStringLiteral("<font color = '%1'>%2</font>").arg(QLatin1String(kOrange), text);
}

/// One photo and the local day it belongs to; sorted newest first.
bool Newer(const BrowsePhoto& a, const BrowsePhoto& b)
{
    return a.time != b.time ? a.time > b.time : a.listIndex < b.listIndex;
}

bool LocalTime(qint64 secs, std::tm* out)
{
    const std::time_t t = std::time_t(secs);
#ifdef Q_OS_WIN
    return localtime_s(out, &t) == 0;
#else
    return localtime_r(&t, out) != nullptr;
#endif
}

/// The local day of `secs` and the moment (UTC seconds) it began. QDateTime's local
/// conversions cost several microseconds each, too much for thousands of days; the C
/// library's, which QDateTime itself relies on, are far cheaper. The day began at `secs`
/// minus the local time of day unless a clock change fell in between, which the check
/// catches and leaves to QDateTime.
qint64 LocalDayStart(qint64 secs, QDate* day)
{
    std::tm now {};
    std::tm midnight {};
    if (LocalTime(secs, &now)) {
        *day = QDate(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday);
        const qint64 begins = secs - (now.tm_hour * 3600 + now.tm_min * 60 + now.tm_sec);
        if (LocalTime(begins, &midnight) && midnight.tm_mday == now.tm_mday && midnight.tm_mon == now.tm_mon
            && midnight.tm_year == now.tm_year && midnight.tm_hour == 0 && midnight.tm_min == 0 && midnight.tm_sec == 0)
            return begins;
    }
    *day = QDateTime::fromSecsSinceEpoch(secs).toLocalTime().date();
    return QDateTime(*day, QTime(0, 0)).toSecsSinceEpoch();
}

} // namespace

ImageExportBrowseView::ImageExportBrowseView(QWidget* parent)
    : QWidget(parent)
    , m_scrollArea(new ImagePreviewScrollAreaStyle(this))
    , m_content(new QWidget)
    , m_totalLabel(new QLabel(m_content))
    , m_selectedLabel(new QLabel(this))
    , m_selectAll(new OvStyleCheckBox(tr("Select All"), this))
    , m_currentDate(new OvStyleCheckBox(this))
    , m_dateCombo(new OvStyleComboBox(this))
    , m_backButton(MakeSecondaryButton(QStringLiteral("photoBrowseBackButton"), tr("Back"), this))
    , m_exportButton(MakeActionButton(QStringLiteral("exportOnlyButton"), tr("Export Only"), this))
    , m_deleteButton(MakeActionButton(QStringLiteral("backupDeleteButton"), tr("Backup & Delete"), this))
{
    setObjectName(QStringLiteral("ImageExportBrowseView"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    // A single '&' would become a shortcut marker and vanish from the button.
    m_deleteButton->setText(tr("Backup & Delete").replace(QLatin1Char('&'), QLatin1String("&&")));

    m_selectAll->setObjectName(QStringLiteral("selectAllCheckBox"));
    m_currentDate->setObjectName(QStringLiteral("currentDateCheckBox"));
    m_currentDate->setAccessibleName(tr("Select the chosen date"));
    m_currentDate->setToolTip(tr("Select the chosen date"));
    m_dateCombo->setObjectName(QStringLiteral("dateComboBox"));
    m_dateCombo->setAccessibleName(tr("Date"));
    m_dateCombo->setMinimumWidth(130);
    // Sized for a "yyyy-MM-dd" key rather than by measuring every entry: the box may hold
    // thousands of dates and be filled after it was first shown.
    m_dateCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_dateCombo->setMinimumContentsLength(11);

    m_totalLabel->setObjectName(QStringLiteral("photoTotalLabel"));
    m_totalLabel->setFont(AppStyle::instance().font(8));
    m_totalLabel->setStyleSheet(QStringLiteral("color: #3c4449;"));
    m_totalLabel->setTextFormat(Qt::RichText);
    m_totalLabel->setGeometry(0, 0, kDefaultGridWidth, kGridHeaderHeight - 6);
    m_selectedLabel->setObjectName(QStringLiteral("photoSelectedLabel"));
    m_selectedLabel->setFont(AppStyle::instance().font(6));
    m_selectedLabel->setStyleSheet(QStringLiteral("color: #616c72;"));
    m_selectedLabel->setTextFormat(Qt::RichText);

    m_content->setObjectName(QStringLiteral("photoGrid"));
    m_content->setAutoFillBackground(true);
    m_content->setPalette(pal);
    m_content->installEventFilter(this);
    m_scrollArea->setWidget(m_content);

    auto* toolbar = new QHBoxLayout;
    toolbar->setContentsMargins(0, 0, 0, 0);
    toolbar->setSpacing(8);
    toolbar->addWidget(m_selectAll);
    toolbar->addStretch();
    toolbar->addWidget(m_currentDate);
    toolbar->addWidget(m_dateCombo);

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setSpacing(12);
    bottom->addWidget(m_selectedLabel, 1);
    bottom->addWidget(m_backButton);
    bottom->addWidget(m_exportButton);
    bottom->addWidget(m_deleteButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 20, 40, 20);
    layout->setSpacing(10);
    layout->addLayout(toolbar);
    layout->addWidget(m_scrollArea, 1);
    layout->addLayout(bottom);

    connect(m_scrollArea, SIGNAL(signalScrollPoint(int, int)), this, SLOT(onSliderChanged(int, int)));
    connect(m_selectAll, &QCheckBox::clicked, this, &ImageExportBrowseView::slotCheckBoxSelectAll);
    connect(m_currentDate, &QCheckBox::clicked, this, &ImageExportBrowseView::slotCheckBoxCurrentDate);
    connect(m_dateCombo, QOverload<int>::of(&QComboBox::activated), this, &ImageExportBrowseView::slotComboBox);
    connect(m_backButton, &QPushButton::clicked, this, &ImageExportBrowseView::slotShowBackView);
    connect(m_exportButton, &QPushButton::clicked, this, &ImageExportBrowseView::slotExportOnly);
    connect(m_deleteButton, &QPushButton::clicked, this, &ImageExportBrowseView::slotExportDelete);

    Refresh();
}

void ImageExportBrowseView::clearGroups()
{
    qDeleteAll(m_widgets);
    m_widgets.clear();
    m_groups.clear();
}

const BrowseGroup* ImageExportBrowseView::GroupData(int index) const
{
    return index >= 0 && index < m_groups.size() ? &m_groups.at(index) : nullptr;
}

Qt::CheckState ImageExportBrowseView::GroupState(int index) const
{
    const BrowseGroup* group = GroupData(index);
    return group ? group->State() : Qt::Unchecked;
}

int ImageExportBrowseView::GroupTop(int index) const
{
    const BrowseGroup* group = GroupData(index);
    return group ? group->top : 0;
}

void ImageExportBrowseView::LoadPhotos()
{
    QVector<BrowsePhoto> photos;
    {
        CGlobalData* store = CGlobalData::GetInstance();
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        const QVector<OneKeyMediaInfo>& list = store->m_obLPhotos;
        photos.reserve(list.size());
        for (int i = 0; i < list.size(); ++i) {
            const OneKeyMediaInfo& info = list.at(i);
            BrowsePhoto photo;
            photo.listIndex = i;
            photo.id = info.m_nId;
            photo.size = info.m_nSize;
            photo.time = info.m_nTime;
            photo.thumbnail = info.m_strThumbnailPath;
            photo.name = info.m_strName;
            photo.checked = info.m_bChecked != 0;
            photos.append(photo);
        }
    }
    std::sort(photos.begin(), photos.end(), Newer);

    clearGroups();
    m_dateCombo->clear();
    m_totalSize = 0;
    m_layoutWidth = -1;

    // Sorted by time, a day's photos are neighbours: each group is found from the local
    // day of its newest photo and the moment that day began.
    tzset(); // the C library's local time must follow a changed TZ, as QDateTime does
    QStringList keys;
    int start = 0;
    while (start < photos.size()) {
        QDate day;
        const qint64 dayBegins = LocalDayStart(photos.at(start).time, &day);
        int end = start + 1;
        while (end < photos.size() && photos.at(end).time >= dayBegins)
            ++end;
        BrowseGroup group;
        group.dateKey = day.toString(QStringLiteral("yyyy-MM-dd"));
        group.photos.reserve(end - start);
        for (int i = start; i < end; ++i) {
            m_totalSize += photos.at(i).size;
            group.photos.append(std::move(photos[i]));
        }
        group.Recount();
        keys.append(group.dateKey);
        m_groups.append(std::move(group));
        start = end;
    }
    // One insertion for the whole list rather than a signal per entry.
    m_dateCombo->addItems(keys);
    m_dateCombo->setEnabled(!m_groups.isEmpty());
    m_currentDate->setEnabled(!m_groups.isEmpty());

    m_totalLabel->setText(tr("Export and deletion of all the photos will save you up to %1")
                              .arg(Orange(FormatSizeIn(staticMetaObject.className(), m_totalSize))));
    relayout(m_content->width() > ImagePreviewControls::kSpacing * 10 ? m_content->width() : kDefaultGridWidth);
    m_scrollArea->verticalScrollBar()->setValue(0);
    onSliderChanged(0, m_scrollArea->verticalScrollBar()->value());
    Refresh();
}

void ImageExportBrowseView::relayout(int width)
{
    // Only the data: the widgets on screen follow in onSliderChanged().
    m_layoutWidth = width;
    m_columns = ImagePreviewControls::ColumnsFor(width);
    int top = kGridHeaderHeight;
    for (BrowseGroup& group : m_groups) {
        group.top = top;
        group.height = ImagePreviewControls::HeightFor(group.photos.size(), m_columns);
        top += group.height;
    }
    m_totalLabel->resize(width, kGridHeaderHeight - 6);
    m_content->setMinimumHeight(top);
}

bool ImageExportBrowseView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_content && event->type() == QEvent::Resize && m_content->width() != m_layoutWidth
        && !m_groups.isEmpty()) {
        relayout(m_content->width());
        onSliderChanged(0, m_scrollArea->verticalScrollBar()->value());
    }
    return QWidget::eventFilter(watched, event);
}

ImagePreviewControls* ImageExportBrowseView::takeWidget(int index)
{
    BrowseGroup* group = &m_groups[index];
    if (!m_spare.isEmpty()) {
        ImagePreviewControls* widget = m_spare.takeLast();
        widget->Bind(group);
        return widget;
    }
    auto* widget = new ImagePreviewControls(group, m_content);
    connect(widget, &ImagePreviewControls::signalSelectionChanged, this, &ImageExportBrowseView::Refresh);
    return widget;
}

void ImageExportBrowseView::onSliderChanged(int, int py)
{
    int viewHeight = m_scrollArea->viewport()->height();
    if (!m_scrollArea->isVisible() && viewHeight < 200)
        viewHeight = 420; // the page's grid before it is first shown
    const int top = py;
    const int bottom = py + viewHeight;
    // Group widgets reach a little beyond the viewport, so that a short scroll finds the
    // next header ready; cells are made for the viewport only.
    const int wantTop = top - kWidgetMargin;
    const int wantBottom = bottom + kWidgetMargin;
    // Groups are sorted by their tops: the first one wanted is the last starting at or
    // above `wantTop`.
    const auto first = std::upper_bound(m_groups.cbegin(), m_groups.cend(), wantTop,
                                        [](int y, const BrowseGroup& group) { return y < group.top; });
    const int from = qMax(0, int(first - m_groups.cbegin()) - 1);
    int to = from; // one past the last group wanted
    while (to < m_groups.size() && m_groups.at(to).top < wantBottom)
        ++to;

    for (auto it = m_widgets.begin(); it != m_widgets.end();) {
        if (it.key() >= from && it.key() < to) {
            ++it;
            continue;
        }
        ImagePreviewControls* widget = it.value();
        it = m_widgets.erase(it);
        if (m_spare.size() < kSpareWidgets) {
            widget->hide();
            widget->Bind(nullptr);
            m_spare.append(widget);
        } else {
            delete widget;
        }
    }

    for (int i = from; i < to; ++i) {
        const BrowseGroup& group = m_groups.at(i);
        if (group.top + group.height <= wantTop)
            continue;
        ImagePreviewControls* widget = m_widgets.value(i);
        if (!widget) {
            widget = takeWidget(i);
            m_widgets.insert(i, widget);
        }
        widget->SetColumns(m_columns);
        widget->setGeometry(0, group.top, m_layoutWidth, group.height);
        if (widget->isHidden())
            widget->show();
        widget->ShowRange(top - group.top, bottom - group.top);
    }
}

int ImageExportBrowseView::CheckedCount() const
{
    int count = 0;
    for (const BrowseGroup& group : m_groups)
        count += group.checkedCount;
    return count;
}

quint64 ImageExportBrowseView::CheckedSize() const
{
    quint64 size = 0;
    for (const BrowseGroup& group : m_groups)
        size += group.checkedSize;
    return size;
}

int ImageExportBrowseView::CellCount() const
{
    int count = 0;
    for (const ImagePreviewControls* widget : m_widgets)
        count += widget->CellCount();
    return count;
}

void ImageExportBrowseView::SetPhotoChecked(int index, int position, bool checked)
{
    if (index < 0 || index >= m_groups.size())
        return;
    if (ImagePreviewControls* widget = m_widgets.value(index)) {
        widget->SetPhotoChecked(position, checked);
        return;
    }
    BrowseGroup& group = m_groups[index];
    if (!group.SetChecked(position, checked))
        return;
    WriteBackChecked(&group.photos.at(position), 1);
    Refresh();
}

void ImageExportBrowseView::setCheckBoxState(OvStyleCheckBox* box, Qt::CheckState state)
{
    // Tristate only while partly checked, so that a click goes to checked or unchecked.
    box->setTristate(state == Qt::PartiallyChecked);
    box->setCheckState(state);
}

void ImageExportBrowseView::Refresh()
{
    bool anyChecked = false;
    bool anyUnchecked = false;
    for (const BrowseGroup& group : qAsConst(m_groups)) {
        const Qt::CheckState state = group.State();
        anyChecked |= state != Qt::Unchecked;
        anyUnchecked |= state != Qt::Checked;
    }
    const Qt::CheckState all = !anyChecked ? Qt::Unchecked : (anyUnchecked ? Qt::PartiallyChecked : Qt::Checked);
    setCheckBoxState(m_selectAll, all);
    m_selectAll->setEnabled(!m_groups.isEmpty());
    const bool enabled = all != Qt::Unchecked;
    SetActionButtonEnabled(m_exportButton, enabled);
    SetActionButtonEnabled(m_deleteButton, enabled);

    const int index = m_dateCombo->currentIndex();
    setCheckBoxState(m_currentDate, GroupState(index));

    m_selectedLabel->setText(tr("%1 photos selected to save %2")
                                 .arg(Orange(QString::number(CheckedCount())),
                                      Orange(FormatSizeIn(staticMetaObject.className(), CheckedSize()))));
}

bool ImageExportBrowseView::startTask(int type)
{
    if (CheckedCount() == 0)
        return false;
    EnableOtherTabs(false);
    return CleanPosted(CController::GetInstance()->PostOneKeyClearTask(type), this);
}

void ImageExportBrowseView::slotExportOnly()
{
    if (startTask(OV_ONEKEY_EXPORT | OV_ONEKEY_PHOTOS))
        emit onStartExport(OneKeyPage::PhotoExporting);
}

void ImageExportBrowseView::slotExportDelete()
{
    if (startTask(OV_ONEKEY_DELETE | OV_ONEKEY_PHOTOS))
        emit onStartDelete(OneKeyPage::PhotoDeleting);
}

void ImageExportBrowseView::slotShowBackView()
{
    emit onBackScanReslutView(OneKeyPage::PhotoResult);
}

void ImageExportBrowseView::slotComboBox(int index)
{
    if (index < 0 || index >= m_groups.size())
        return;
    if (m_dateCombo->currentIndex() != index)
        m_dateCombo->setCurrentIndex(index);
    m_scrollArea->verticalScrollBar()->setValue(m_groups.at(index).top);
    setCheckBoxState(m_currentDate, m_groups.at(index).State());
}

void ImageExportBrowseView::slotCheckBoxSelectAll(bool check)
{
    for (BrowseGroup& group : m_groups) {
        group.SetAllChecked(check);
        WriteBackChecked(group.photos.constData(), group.photos.size());
    }
    for (ImagePreviewControls* widget : qAsConst(m_widgets))
        widget->SyncChecks();
    setCheckBoxState(m_currentDate, check ? Qt::Checked : Qt::Unchecked);
    Refresh();
}

void ImageExportBrowseView::slotCheckBoxCurrentDate(bool check)
{
    const int index = m_dateCombo->currentIndex();
    if (index < 0 || index >= m_groups.size()) {
        Refresh(); // puts the box back: there is no date to check
        return;
    }
    if (ImagePreviewControls* widget = m_widgets.value(index)) {
        widget->slotCheckBoxChange(check); // reports the change, which refreshes
        return;
    }
    BrowseGroup& group = m_groups[index];
    group.SetAllChecked(check);
    WriteBackChecked(group.photos.constData(), group.photos.size());
    Refresh();
}
