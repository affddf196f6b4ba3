#include "ImagePreviewControls.h"

#include "CGlobalData.h"
#include "FormatSize.h"
#include "ImageControls.h"
#include "ImageTextWidget.h"
#include "OneKeyWidgets.h"
#include "OvStyleCheckBox.h"

#include <QDateTime>

#include <mutex>

namespace {

constexpr int kPitch = ImageControls::kCellSize + ImagePreviewControls::kSpacing;

} // namespace

Qt::CheckState BrowseGroup::State() const
{
    if (checkedCount == 0)
        return Qt::Unchecked;
    return checkedCount == photos.size() ? Qt::Checked : Qt::PartiallyChecked;
}

void BrowseGroup::Recount()
{
    checkedCount = 0;
    checkedSize = 0;
    for (const BrowsePhoto& photo : qAsConst(photos)) {
        if (photo.checked) {
            ++checkedCount;
            checkedSize += photo.size;
        }
    }
}

bool BrowseGroup::SetChecked(int position, bool checked)
{
    if (position < 0 || position >= photos.size())
        return false;
    BrowsePhoto& photo = photos[position];
    if (photo.checked == checked)
        return false;
    photo.checked = checked;
    checkedCount += checked ? 1 : -1;
    if (checked)
        checkedSize += photo.size;
    else
        checkedSize -= photo.size;
    return true;
}

void BrowseGroup::SetAllChecked(bool checked)
{
    if (checkedCount == (checked ? photos.size() : 0))
        return; // skips the copy-on-write of a group already so
    for (BrowsePhoto& photo : photos)
        photo.checked = checked;
    Recount();
}

void WriteBackChecked(const BrowsePhoto* photos, int count)
{
    // The device task exports what is checked in the shared list. Entries that a new scan
    // replaced (index out of range or another id) are left alone.
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    QVector<OneKeyMediaInfo>& list = store->m_obLPhotos;
    for (int i = 0; i < count; ++i) {
        const BrowsePhoto& photo = photos[i];
        if (photo.listIndex >= 0 && photo.listIndex < list.size() && list[photo.listIndex].m_nId == photo.id)
            list[photo.listIndex].m_bChecked = photo.checked ? 1 : 0;
    }
}

ImagePreviewControls::ImagePreviewControls(BrowseGroup* group, QWidget* parent)
    : QWidget(parent)
    , m_header(new OvStyleCheckBox(this))
    , m_date(new ImageTextWidget(QString(), this))
{
    setObjectName(QStringLiteral("photoDateGroup"));
    m_header->setObjectName(QStringLiteral("photoDateCheckBox"));
    m_date->SetFontSize(14, QFont::DemiBold);
    m_date->SetColor(QColor(0x3c, 0x44, 0x49));
    connect(m_header, &QCheckBox::clicked, this, &ImagePreviewControls::slotCheckBoxChange);
    Bind(group);
}

void ImagePreviewControls::Bind(BrowseGroup* group)
{
    ReleaseCells();
    m_group = group;
    if (!group)
        return; // a spare widget, hidden until bound again
    const QString key = DateKey();
    const QString count = tr("%1 photos").arg(PhotoCount());
    m_header->setText(count);
    m_header->setAccessibleName(count + QLatin1Char(' ') + key);
    m_header->adjustSize();
    m_header->move(0, (kHeaderHeight - m_header->height()) / 2);
    m_date->SetText(key);
    m_date->resize(m_date->sizeHint().width() + 8, kHeaderHeight);
    m_date->move(m_header->x() + m_header->width() + 14, 0);
    updateHeader();
}

int ImagePreviewControls::ColumnsFor(int width)
{
    return qMax(1, (width + kSpacing) / kPitch);
}

int ImagePreviewControls::HeightFor(int count, int columns)
{
    const int rows = (count + qMax(1, columns) - 1) / qMax(1, columns);
    return kHeaderHeight + rows * kPitch - (rows > 0 ? kSpacing : 0) + kBottomMargin;
}

void ImagePreviewControls::SetColumns(int columns)
{
    columns = qMax(1, columns);
    if (columns == m_columns)
        return;
    m_columns = columns;
    for (auto it = m_cells.constBegin(); it != m_cells.constEnd(); ++it)
        it.value()->setGeometry(cellRect(it.key()));
}

QRect ImagePreviewControls::cellRect(int position) const
{
    return { (position % m_columns) * kPitch, kHeaderHeight + (position / m_columns) * kPitch, ImageControls::kCellSize,
             ImageControls::kCellSize };
}

void ImagePreviewControls::ShowRange(int top, int bottom)
{
    const int count = PhotoCount();
    const int rows = (count + m_columns - 1) / m_columns;
    const int first = qMax(0, (top - kHeaderHeight) / kPitch);
    const int last = qMin(rows - 1, (bottom - kHeaderHeight) / kPitch);
    if (bottom <= top || last < first) {
        ReleaseCells();
        return;
    }
    const int from = first * m_columns;
    const int to = qMin(count, (last + 1) * m_columns); // one past
    for (auto it = m_cells.begin(); it != m_cells.end();) {
        if (it.key() < from || it.key() >= to) {
            delete it.value();
            it = m_cells.erase(it);
        } else {
            ++it;
        }
    }
    for (int position = from; position < to; ++position) {
        if (m_cells.contains(position))
            continue;
        const BrowsePhoto& photo = m_group->photos.at(position);
        auto* cell = new ImageControls(position, this);
        cell->setGeometry(cellRect(position));
        const QString when
            = QDateTime::fromSecsSinceEpoch(photo.time).toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
        const QString name = photo.name.isEmpty() ? when : photo.name;
        cell->SetPhoto(
            photo.thumbnail,
            tr("%1, %2", "photo name, size").arg(name, FormatSizeIn(staticMetaObject.className(), photo.size)));
        cell->SetChecked(photo.checked);
        connect(cell, &ImageControls::onCheckBoxStateChange, this, &ImagePreviewControls::slotCheckAllControlState);
        cell->show();
        m_cells.insert(position, cell);
    }
}

void ImagePreviewControls::ReleaseCells()
{
    qDeleteAll(m_cells);
    m_cells.clear();
}

void ImagePreviewControls::SyncChecks()
{
    if (!m_group)
        return;
    for (auto it = m_cells.constBegin(); it != m_cells.constEnd(); ++it)
        it.value()->SetChecked(m_group->photos.at(it.key()).checked);
    updateHeader();
}

void ImagePreviewControls::SetPhotoChecked(int position, bool checked)
{
    if (!m_group || !m_group->SetChecked(position, checked))
        return;
    if (ImageControls* cell = m_cells.value(position))
        cell->SetChecked(checked);
    WriteBackChecked(&m_group->photos.at(position), 1);
    updateHeader();
    emit signalSelectionChanged();
}

void ImagePreviewControls::slotCheckBoxChange(bool check)
{
    if (!m_group)
        return;
    m_group->SetAllChecked(check);
    WriteBackChecked(m_group->photos.constData(), m_group->photos.size());
    SyncChecks();
    emit signalSelectionChanged();
}

void ImagePreviewControls::slotCheckAllControlState()
{
    if (!m_group)
        return;
    if (auto* cell = qobject_cast<ImageControls*>(sender())) {
        const int position = cell->Position();
        if (m_group->SetChecked(position, cell->IsChecked()))
            WriteBackChecked(&m_group->photos.at(position), 1);
    }
    updateHeader();
    emit signalSelectionChanged();
}

void ImagePreviewControls::updateHeader()
{
    const Qt::CheckState state = State();
    // Tristate only while partly checked, so that a click never leads the user to the
    // partial state: from there it goes to checked, from the others it toggles.
    m_header->setTristate(state == Qt::PartiallyChecked);
    m_header->setCheckState(state);
}
