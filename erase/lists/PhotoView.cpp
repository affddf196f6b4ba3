#include "PhotoView.h"

#include "CGlobalData.h"
#include "EraseImageControls.h"
#include "ListCheckBox.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kHeader = 34;
constexpr int kGap = 10;
constexpr int kMargin = 10;
constexpr int kTile = EraseImageControls::kTileSize + 6;

QVector<PhotoVideoInfo>& Photos()
{
    return CGlobalData::GetInstance()->m_obLPhotoAndVideo;
}

} // namespace

PhotoView::PhotoView(int mode, QWidget* parent)
    : EraseListView(mode, parent)
    , m_selectAll(new ListCheckBox(tr("Select All"), this))
    , m_dayFilter(new QComboBox(this))
    , m_countLabel(new QLabel(this))
    , m_scroll(new QScrollArea(this))
    , m_content(new QWidget)
{
    setAccessibleName(tr("Photos & Videos"));
    // The store keeps the photos newest first; a day may still come back later in the list
    // (a clock change), so days are found by their text rather than by runs.
    QHash<QString, int> dayByDate;
    const QVector<PhotoVideoInfo>& photos = Photos();
    m_dayOfPhoto.resize(photos.size());
    for (int i = 0; i < photos.size(); ++i) {
        const QString& date = photos.at(i).m_strDate;
        auto found = dayByDate.find(date);
        if (found == dayByDate.end()) {
            found = dayByDate.insert(date, m_days.size());
            m_days.append(Day { date.isEmpty() ? tr("Unknown date") : date, {}, 0, -1, 0 });
        }
        m_days[found.value()].photos.append(i);
        m_dayOfPhoto[i] = found.value();
    }
    m_total = photos.size();
    for (Day& day : m_days)
        Recount(day);

    m_selectAll->setObjectName(QStringLiteral("selectAllCheckBox"));
    connect(m_selectAll, &QCheckBox::clicked, this, [this](bool on) {
        receiveLeftCheckBoxState(on);
        Report();
    });
    m_dayFilter->setObjectName(QStringLiteral("dayFilter"));
    m_dayFilter->setAccessibleName(tr("Show day"));
    m_dayFilter->addItem(tr("All"));
    for (const Day& day : qAsConst(m_days))
        m_dayFilter->addItem(QStringLiteral("%1 (%2)").arg(day.date).arg(day.photos.size()));
    connect(m_dayFilter, qOverload<int>(&QComboBox::currentIndexChanged), this, &PhotoView::slotDayFilter);
    m_countLabel->setObjectName(QStringLiteral("photoCount"));

    m_scroll->setObjectName(QStringLiteral("photoGrid"));
    m_scroll->setAccessibleName(tr("Photos & Videos"));
    m_scroll->setWidget(m_content);
    m_scroll->setWidgetResizable(false);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->verticalScrollBar()->setSingleStep(kTile / 3);
    m_scroll->viewport()->installEventFilter(this);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this, &PhotoView::Sync);

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_selectAll);
    bar->addStretch(1);
    bar->addWidget(m_countLabel);
    bar->addWidget(m_dayFilter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    m_selectAll->ShowState(CheckState());
    m_countLabel->setText(tr("%1 items").arg(m_total));
    Relayout();
}

PhotoView::~PhotoView()
{
    // The scroll bar outlives this part of the view while the widget is taken down; its signals must not reach a view
    // that is no longer one.
    m_scroll->verticalScrollBar()->disconnect(this);
}

int PhotoView::DayState(int day) const
{
    if (day < 0 || day >= m_days.size())
        return 0;
    return StateOf(m_days.at(day).selected, m_days.at(day).photos.size());
}

int PhotoView::CheckState() const
{
    return StateOf(m_selected, m_total);
}

void PhotoView::Recount(Day& day)
{
    const QVector<PhotoVideoInfo>& photos = Photos();
    m_selected -= day.selected;
    day.selected = 0;
    for (int index : qAsConst(day.photos))
        day.selected += (index < photos.size() && photos.at(index).m_bSelected) ? 1 : 0;
    m_selected += day.selected;
}

void PhotoView::SetDayChecked(int day, bool on)
{
    if (day < 0 || day >= m_days.size())
        return;
    QVector<PhotoVideoInfo>& photos = Photos();
    for (int index : qAsConst(m_days[day].photos)) {
        if (index < photos.size())
            photos[index].m_bSelected = on ? 1 : 0;
    }
    Recount(m_days[day]);
    RefreshShown();
    Report();
}

void PhotoView::receiveLeftCheckBoxState(bool on)
{
    for (PhotoVideoInfo& photo : Photos())
        photo.m_bSelected = on ? 1 : 0;
    for (Day& day : m_days)
        Recount(day);
    RefreshShown();
    m_selectAll->ShowState(CheckState());
}

void PhotoView::slotCheckBoxSelectAll(bool check)
{
    receiveLeftCheckBoxState(check);
}

void PhotoView::slotDayFilter(int index)
{
    m_filter = index - 1;
    if (m_filter >= m_days.size())
        m_filter = -1;
    m_scroll->verticalScrollBar()->setValue(0);
    Relayout();
}

void PhotoView::Report()
{
    const int state = CheckState();
    m_selectAll->ShowState(state);
    emit checkCheckSignal(state);
    emit SlotStateChanged(state);
}

void PhotoView::TileChanged(EraseImageControls* tile)
{
    const int index = tile->Index();
    if (index < 0 || index >= m_dayOfPhoto.size())
        return;
    const int day = m_dayOfPhoto.at(index);
    Recount(m_days[day]);
    if (ListCheckBox* box = m_dayBoxes.value(day))
        box->ShowState(DayState(day));
    Report();
}

void PhotoView::RefreshShown()
{
    for (EraseImageControls* tile : qAsConst(m_tiles))
        tile->RefreshCheck();
    for (auto it = m_dayBoxes.cbegin(); it != m_dayBoxes.cend(); ++it)
        it.value()->ShowState(DayState(it.key()));
}

void PhotoView::Relayout()
{
    const int width = m_scroll->viewport()->width();
    m_columns = qMax(1, (width - 2 * kMargin) / kTile);
    int y = kMargin;
    for (int i = 0; i < m_days.size(); ++i) {
        Day& day = m_days[i];
        if (m_filter >= 0 && i != m_filter) {
            day.top = -1;
            continue;
        }
        day.top = y;
        day.rows = (day.photos.size() + m_columns - 1) / m_columns;
        y += kHeader + day.rows * kTile + kGap;
    }
    m_content->setFixedSize(qMax(1, width), y);
    Sync();
}

void PhotoView::Sync()
{
    const int from = m_scroll->verticalScrollBar()->value() - kTile;
    const int to = m_scroll->verticalScrollBar()->value() + m_scroll->viewport()->height() + kTile;
    QHash<int, EraseImageControls*> keptTiles;
    QHash<int, ListCheckBox*> keptBoxes;
    QVector<QPair<int, QPoint>> wantedTiles;
    QVector<QPair<int, QPoint>> wantedBoxes;

    // Days are laid out top to bottom: find the first that reaches the screen.
    auto first = m_filter >= 0 ? m_days.cbegin() + m_filter
                               : std::partition_point(m_days.cbegin(), m_days.cend(), [from](const Day& day) {
                                     return day.top + kHeader + day.rows * kTile < from;
                                 });
    for (auto it = first; it != m_days.cend(); ++it) {
        if (it->top < 0)
            continue;
        if (it->top > to)
            break;
        const int day = int(it - m_days.cbegin());
        if (it->top + kHeader >= from)
            wantedBoxes.append({ day, QPoint(kMargin, it->top) });
        const int gridTop = it->top + kHeader;
        const int firstRow = qMax(0, (from - gridTop) / kTile);
        const int lastRow = qMin(it->rows - 1, (to - gridTop) / kTile);
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = 0; column < m_columns; ++column) {
                const int position = row * m_columns + column;
                if (position >= it->photos.size())
                    break;
                wantedTiles.append(
                    { it->photos.at(position), QPoint(kMargin + column * kTile, gridTop + row * kTile) });
            }
        }
    }

    for (const auto& wanted : qAsConst(wantedTiles)) {
        if (EraseImageControls* tile = m_tiles.take(wanted.first))
            keptTiles.insert(wanted.first, tile);
    }
    for (EraseImageControls* tile : qAsConst(m_tiles)) {
        tile->hide();
        m_spareTiles.append(tile);
    }
    for (const auto& wanted : qAsConst(wantedTiles)) {
        EraseImageControls* tile = keptTiles.value(wanted.first);
        if (!tile) {
            tile = TakeTile();
            tile->Bind(wanted.first);
            keptTiles.insert(wanted.first, tile);
        }
        tile->move(wanted.second);
        tile->show();
    }
    m_tiles = keptTiles;

    for (const auto& wanted : qAsConst(wantedBoxes)) {
        if (ListCheckBox* box = m_dayBoxes.take(wanted.first))
            keptBoxes.insert(wanted.first, box);
    }
    for (ListCheckBox* box : qAsConst(m_dayBoxes)) {
        box->hide();
        m_spareBoxes.append(box);
    }
    for (const auto& wanted : qAsConst(wantedBoxes)) {
        ListCheckBox* box = keptBoxes.value(wanted.first);
        if (!box) {
            box = TakeDayBox();
            keptBoxes.insert(wanted.first, box);
        }
        const Day& day = m_days.at(wanted.first);
        box->SetId(wanted.first);
        box->setText(QStringLiteral("%1 (%2)").arg(day.date).arg(day.photos.size()));
        box->setAccessibleName(box->text());
        box->ShowState(DayState(wanted.first));
        box->adjustSize();
        box->move(wanted.second + QPoint(0, (kHeader - box->height()) / 2));
        box->show();
    }
    m_dayBoxes = keptBoxes;
}

EraseImageControls* PhotoView::TakeTile()
{
    if (!m_spareTiles.isEmpty())
        return m_spareTiles.takeLast();
    auto* tile = new EraseImageControls(m_content);
    tile->installEventFilter(this);
    connect(tile, &EraseImageControls::onCheckBoxStateChange, this, [this, tile] { TileChanged(tile); });
    return tile;
}

ListCheckBox* PhotoView::TakeDayBox()
{
    if (!m_spareBoxes.isEmpty())
        return m_spareBoxes.takeLast();
    auto* box = new ListCheckBox(QString(), m_content);
    box->setObjectName(QStringLiteral("dayCheckBox"));
    connect(box, &OvStyleCheckBox::clickedId, this, [this](bool on, int day) { SetDayChecked(day, on); });
    return box;
}

void PhotoView::FocusPhoto(int day, int position)
{
    // Off the day's ends: on to the neighbouring day shown.
    while (day >= 0 && day < m_days.size()
           && (position < 0 || position >= m_days.at(day).photos.size() || m_days.at(day).top < 0)) {
        if (position < 0) {
            --day;
            if (day >= 0)
                position += m_days.at(day).top < 0 ? 0 : m_days.at(day).photos.size();
        } else if (m_days.at(day).top < 0 || position >= m_days.at(day).photos.size()) {
            position -= m_days.at(day).top < 0 ? 0 : m_days.at(day).photos.size();
            ++day;
        }
    }
    if (day < 0 || day >= m_days.size())
        return;
    const Day& target = m_days.at(day);
    const int y = target.top + kHeader + (position / m_columns) * kTile;
    m_scroll->ensureVisible(kMargin, y + kTile / 2, 0, kTile);
    Sync();
    if (EraseImageControls* tile = m_tiles.value(target.photos.at(position)))
        tile->setFocus(Qt::TabFocusReason);
}

bool PhotoView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize) {
        Relayout();
    } else if (event->type() == QEvent::KeyPress) {
        auto* tile = qobject_cast<EraseImageControls*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (tile && tile->Index() >= 0 && tile->Index() < m_dayOfPhoto.size()) {
            const int day = m_dayOfPhoto.at(tile->Index());
            const int position = int(m_days.at(day).photos.indexOf(tile->Index()));
            const int step = key == Qt::Key_Left ? -1
                : key == Qt::Key_Right           ? 1
                : key == Qt::Key_Up              ? -m_columns
                : key == Qt::Key_Down            ? m_columns
                                                 : 0;
            if (step != 0) {
                FocusPhoto(day, position + step);
                return true;
            }
        }
    }
    return EraseListView::eventFilter(watched, event);
}
