#include "ImageExportBrowseView.h"

#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "FormatSize.h"
#include "ImagePreviewControls.h"
#include "ImagePreviewScrollAreaStyle.h"
#include "OneKeyCommon.h"
#include "OvStyleCheckBox.h"
#include "OvStyleComboBox.h"

#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <mutex>

namespace {

/// The strip above the first group; choosing a date scrolls past it.
constexpr int kGridHeaderHeight = 36;
/// The grid's width on a 1000-pixel page before the view was ever laid out.
constexpr int kDefaultGridWidth = 910;
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
    qDeleteAll(m_groups);
    m_groups.clear();
    m_offsets.clear();
    m_active.clear();
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

    // Sorted by time, a day's photos are neighbours; the local day's bounds in UTC seconds
    // are computed once per day rather than converting every photo's time.
    QStringList keys;
    int start = 0;
    while (start < photos.size()) {
        const QDate day = QDateTime::fromSecsSinceEpoch(photos.at(start).time).toLocalTime().date();
        const qint64 dayBegins = QDateTime(day, QTime(0, 0)).toSecsSinceEpoch();
        int end = start + 1;
        while (end < photos.size() && photos.at(end).time >= dayBegins)
            ++end;
        const QString key = day.toString(QStringLiteral("yyyy-MM-dd"));
        auto* group = new ImagePreviewControls(key, photos.mid(start, end - start), m_content);
        connect(group, &ImagePreviewControls::signalSelectionChanged, this, [this] {
            if (!m_bulkChange)
                Refresh();
        });
        m_groups.append(group);
        keys.append(key);
        for (int i = start; i < end; ++i)
            m_totalSize += photos.at(i).size;
        start = end;
    }
    m_dateCombo->addItems(keys);
    m_dateCombo->setEnabled(!m_groups.isEmpty());
    m_currentDate->setEnabled(!m_groups.isEmpty());

    m_totalLabel->setText(tr("Export and deletion of all the photos will save you up to") + QLatin1Char(' ')
                          + Orange(FormatSize(m_totalSize, 2)));
    relayout(m_content->width() > ImagePreviewControls::kSpacing * 10 ? m_content->width() : kDefaultGridWidth);
    m_scrollArea->verticalScrollBar()->setValue(0);
    onSliderChanged(0, m_scrollArea->verticalScrollBar()->value());
    Refresh();
}

void ImageExportBrowseView::relayout(int width)
{
    m_layoutWidth = width;
    const int columns = ImagePreviewControls::ColumnsFor(width);
    m_offsets.resize(m_groups.size());
    int top = kGridHeaderHeight;
    for (int i = 0; i < m_groups.size(); ++i) {
        const int height = m_groups.at(i)->SetColumns(columns);
        m_groups.at(i)->setGeometry(0, top, width, height);
        m_offsets[i] = top;
        top += height;
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

void ImageExportBrowseView::onSliderChanged(int, int py)
{
    if (m_groups.isEmpty())
        return;
    int viewHeight = m_scrollArea->viewport()->height();
    if (!m_scrollArea->isVisible() && viewHeight < 200)
        viewHeight = 420; // the page's grid before it is first shown
    const int top = py;
    const int bottom = py + viewHeight;
    // Groups are sorted by their tops: the first one on screen is the last starting at or
    // above `top`.
    auto first = std::upper_bound(m_offsets.cbegin(), m_offsets.cend(), top);
    int from = int(first - m_offsets.cbegin()) - 1;
    from = qMax(0, from);
    QVector<int> shown;
    for (int i = from; i < m_groups.size() && m_offsets.at(i) < bottom; ++i) {
        ImagePreviewControls* group = m_groups.at(i);
        if (m_offsets.at(i) + group->height() <= top)
            continue;
        // Shown when first on screen; showing hundreds at once costs more than the load.
        if (group->isHidden())
            group->show();
        group->ShowRange(top - m_offsets.at(i), bottom - m_offsets.at(i));
        shown.append(i);
    }
    for (int i : qAsConst(m_active)) {
        if (!shown.contains(i))
            m_groups.at(i)->ReleaseCells();
    }
    m_active = shown;
}

int ImageExportBrowseView::CheckedCount() const
{
    int count = 0;
    for (const ImagePreviewControls* group : m_groups)
        count += group->CheckedCount();
    return count;
}

quint64 ImageExportBrowseView::CheckedSize() const
{
    quint64 size = 0;
    for (const ImagePreviewControls* group : m_groups)
        size += group->CheckedSize();
    return size;
}

int ImageExportBrowseView::CellCount() const
{
    int count = 0;
    for (const ImagePreviewControls* group : m_groups)
        count += group->CellCount();
    return count;
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
    for (const ImagePreviewControls* group : qAsConst(m_groups)) {
        const Qt::CheckState state = group->State();
        anyChecked |= state != Qt::Unchecked;
        anyUnchecked |= state != Qt::Checked;
    }
    const Qt::CheckState all
        = !anyChecked ? Qt::Unchecked : (anyUnchecked ? Qt::PartiallyChecked : Qt::Checked);
    setCheckBoxState(m_selectAll, all);
    m_selectAll->setEnabled(!m_groups.isEmpty());
    const bool enabled = all != Qt::Unchecked;
    SetActionButtonEnabled(m_exportButton, enabled);
    SetActionButtonEnabled(m_deleteButton, enabled);

    const int index = m_dateCombo->currentIndex();
    setCheckBoxState(m_currentDate, index >= 0 && index < m_groups.size() ? m_groups.at(index)->State()
                                                                           : Qt::Unchecked);

    m_selectedLabel->setText(Orange(QString::number(CheckedCount())) + QLatin1Char(' ')
                             + tr("photos selected to save") + QLatin1Char(' ') + Orange(FormatSize(CheckedSize(), 2)));
}

bool ImageExportBrowseView::startTask(int type)
{
    if (CheckedCount() == 0)
        return false;
    EnableOtherTabs(false);
    CController::GetInstance()->PostOneKeyClearTask(type);
    return true;
}

void ImageExportBrowseView::slotExportOnly()
{
    if (startTask(OneKeyCode::Export | OneKeyCode::AllPhotos))
        emit onStartExport(OneKeyPage::PhotoExporting);
}

void ImageExportBrowseView::slotExportDelete()
{
    if (startTask(OneKeyCode::Delete | OneKeyCode::AllPhotos))
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
    m_scrollArea->verticalScrollBar()->setValue(m_offsets.at(index));
    setCheckBoxState(m_currentDate, m_groups.at(index)->State());
}

void ImageExportBrowseView::slotCheckBoxSelectAll(bool check)
{
    m_bulkChange = true;
    for (ImagePreviewControls* group : qAsConst(m_groups))
        group->slotCheckBoxChange(check);
    m_bulkChange = false;
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
    m_groups.at(index)->slotCheckBoxChange(check);
}
