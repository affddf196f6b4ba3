#include "ImagePreviewControls.h"

#include "CGlobalData.h"
#include "FormatSize.h"
#include "ImageControls.h"
#include "ImageTextWidget.h"
#include "OvStyleCheckBox.h"

#include <QDateTime>

#include <mutex>

namespace {

constexpr int kPitch = ImageControls::kCellSize + ImagePreviewControls::kSpacing;

/// The device task exports what is checked in the shared list, so every change goes there
/// too. Entries that a new scan replaced (index out of range or another id) are left alone.
void WriteBack(const BrowsePhoto* photos, int count)
{
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    QVector<OneKeyMediaInfo>& list = store->m_obLPhotos;
    for (int i = 0; i < count; ++i) {
        const BrowsePhoto& photo = photos[i];
        if (photo.listIndex >= 0 && photo.listIndex < list.size() && list[photo.listIndex].m_nId == photo.id)
            list[photo.listIndex].m_bChecked = photo.checked ? 1 : 0;
    }
}

} // namespace

ImagePreviewControls::ImagePreviewControls(const QString& dateKey, const QVector<BrowsePhoto>& photos,
                                           QWidget* parent)
    : QWidget(parent)
    , m_dateKey(dateKey)
    , m_photos(photos)
{
    setObjectName(QStringLiteral("photoDateGroup"));
    for (const BrowsePhoto& photo : m_photos) {
        if (photo.checked) {
            ++m_checkedCount;
            m_checkedSize += photo.size;
        }
    }
}

void ImagePreviewControls::ensureHeader()
{
    // Made when the group first comes on screen: hundreds of styled check boxes would
    // cost more than the rest of the grid together.
    if (m_header)
        return;
    m_header = new OvStyleCheckBox(tr("%1 photos").arg(m_photos.size()), this);
    m_date = new ImageTextWidget(m_dateKey, this);
    m_header->setObjectName(QStringLiteral("photoDateCheckBox"));
    m_header->setAccessibleName(tr("%1 photos").arg(m_photos.size()) + QLatin1Char(' ') + m_dateKey);
    m_header->adjustSize();
    m_header->move(0, (kHeaderHeight - m_header->height()) / 2);
    m_date->SetFontSize(14, QFont::DemiBold);
    m_date->SetColor(QColor(0x3c, 0x44, 0x49));
    m_date->resize(m_date->sizeHint().width() + 8, kHeaderHeight);
    m_date->move(m_header->x() + m_header->width() + 14, 0);
    updateHeader();
    connect(m_header, &QCheckBox::clicked, this, &ImagePreviewControls::slotCheckBoxChange);
    m_header->show();
    m_date->show();
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

int ImagePreviewControls::SetColumns(int columns)
{
    columns = qMax(1, columns);
    if (columns != m_columns) {
        m_columns = columns;
        for (auto it = m_cells.constBegin(); it != m_cells.constEnd(); ++it)
            it.value()->setGeometry(cellRect(it.key()));
    }
    return HeightFor(m_photos.size(), m_columns);
}

QRect ImagePreviewControls::cellRect(int position) const
{
    return { (position % m_columns) * kPitch, kHeaderHeight + (position / m_columns) * kPitch,
             ImageControls::kCellSize, ImageControls::kCellSize };
}

void ImagePreviewControls::ShowRange(int top, int bottom)
{
    ensureHeader();
    const int rows = (m_photos.size() + m_columns - 1) / m_columns;
    const int first = qMax(0, (top - kHeaderHeight) / kPitch);
    const int last = qMin(rows - 1, (bottom - kHeaderHeight) / kPitch);
    if (bottom <= top || last < first) {
        ReleaseCells();
        return;
    }
    const int from = first * m_columns;
    const int to = qMin(m_photos.size(), (last + 1) * m_columns); // one past
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
        const BrowsePhoto& photo = m_photos.at(position);
        auto* cell = new ImageControls(position, this);
        cell->setGeometry(cellRect(position));
        const QString when = QDateTime::fromSecsSinceEpoch(photo.time).toLocalTime().toString(
            QStringLiteral("yyyy-MM-dd hh:mm"));
        const QString name = photo.name.isEmpty() ? when : photo.name;
        cell->SetPhoto(photo.thumbnail, name + QStringLiteral(", ") + FormatSize(photo.size, 2));
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

Qt::CheckState ImagePreviewControls::State() const
{
    if (m_checkedCount == 0)
        return Qt::Unchecked;
    return m_checkedCount == m_photos.size() ? Qt::Checked : Qt::PartiallyChecked;
}

void ImagePreviewControls::setChecked(int position, bool checked)
{
    BrowsePhoto& photo = m_photos[position];
    if (photo.checked == checked)
        return;
    photo.checked = checked;
    m_checkedCount += checked ? 1 : -1;
    if (checked)
        m_checkedSize += photo.size;
    else
        m_checkedSize -= photo.size;
}

void ImagePreviewControls::SetPhotoChecked(int position, bool checked)
{
    if (position < 0 || position >= m_photos.size() || m_photos.at(position).checked == checked)
        return;
    setChecked(position, checked);
    if (ImageControls* cell = m_cells.value(position))
        cell->SetChecked(checked);
    WriteBack(&m_photos.at(position), 1);
    updateHeader();
    emit signalSelectionChanged();
}

void ImagePreviewControls::slotCheckBoxChange(bool check)
{
    for (int position = 0; position < m_photos.size(); ++position)
        setChecked(position, check);
    for (ImageControls* cell : qAsConst(m_cells))
        cell->SetChecked(check);
    WriteBack(m_photos.constData(), m_photos.size());
    updateHeader();
    emit signalSelectionChanged();
}

void ImagePreviewControls::slotCheckAllControlState()
{
    if (auto* cell = qobject_cast<ImageControls*>(sender())) {
        const int position = cell->Position();
        if (position >= 0 && position < m_photos.size() && m_photos.at(position).checked != cell->IsChecked()) {
            setChecked(position, cell->IsChecked());
            WriteBack(&m_photos.at(position), 1);
        }
    }
    updateHeader();
    emit signalSelectionChanged();
}

void ImagePreviewControls::updateHeader()
{
    if (!m_header)
        return;
    const Qt::CheckState state = State();
    // Tristate only while partly checked, so that a click never leads the user to the
    // partial state: from there it goes to checked, from the others it toggles.
    m_header->setTristate(state == Qt::PartiallyChecked);
    m_header->setCheckState(state);
}
