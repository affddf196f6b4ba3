#include "ImageControls.h"

#include "OvImageLoader.h"
#include "OvStyleCheckBox.h"
#include "SkinImage.h"
#include "StyleSheets.h"

#include <QCache>
#include <QCoreApplication>
#include <QHash>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {

constexpr int kCheckMargin = 6;
constexpr int kFrameWidth = 2;

/// Reads a picture already reduced to the cell: decoding a camera photo at full size
/// would cost tens of milliseconds per cell.
QImage ReadScaled(const QString& path)
{
    QImageReader reader(path);
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > ImageControls::kCellSize || full.height() > ImageControls::kCellSize))
        reader.setScaledSize(
            full.scaled(ImageControls::kCellSize, ImageControls::kCellSize, Qt::KeepAspectRatioByExpanding));
    return reader.read();
}

} // namespace

/// Hands thumbnails, decoded off the window thread, to the cells that still wait for them,
/// and forgets the photos whose cells scrolled away before their turn came.
class ThumbnailLoader : public QObject
{
public:
    static ThumbnailLoader* instance()
    {
        static QPointer<ThumbnailLoader> loader;
        if (!loader)
            loader = new ThumbnailLoader(QCoreApplication::instance());
        return loader;
    }

    void request(const QString& path, ImageControls* cell)
    {
        if (const QPixmap* cached = m_cache.object(path)) {
            cell->setThumbnail(path, *cached);
            return;
        }
        QList<QPointer<ImageControls>>& waiting = m_waiting[path];
        waiting.append(cell);
        m_images.Request(path, [path] { return ReadScaled(path); });
    }

    /// `cell` no longer shows `path`; nobody else waiting, the photo is not read at all.
    void forget(const QString& path, ImageControls* cell)
    {
        auto found = m_waiting.find(path);
        if (found == m_waiting.end())
            return;
        found->removeAll(QPointer<ImageControls>(cell));
        found->removeAll(QPointer<ImageControls>());
        if (found->isEmpty()) {
            m_waiting.erase(found);
            m_images.Cancel(path);
        }
    }

    bool isPending(const QString& path) const { return m_images.IsPending(path); }
    void clear() { m_cache.clear(); }

private:
    explicit ThumbnailLoader(QObject* parent)
        : QObject(parent)
    {
        m_cache.setMaxCost(64 * 1024); // KiB of pixels
        connect(&m_images, &OvImageLoader::Loaded, this, &ThumbnailLoader::delivered);
    }

    void delivered(const QString& path, const QImage& image)
    {
        const QList<QPointer<ImageControls>> waiting = m_waiting.take(path);
        if (image.isNull())
            return; // the cells keep the default picture
        const QPixmap pixmap = QPixmap::fromImage(image);
        m_cache.insert(path, new QPixmap(pixmap), qMax(1, pixmap.width() * pixmap.height() * 4 / 1024));
        for (const QPointer<ImageControls>& cell : waiting) {
            if (cell)
                cell->setThumbnail(path, pixmap);
        }
    }

    OvImageLoader m_images;
    QCache<QString, QPixmap> m_cache;
    QHash<QString, QList<QPointer<ImageControls>>> m_waiting;
};

ImageControls::ImageControls(int position, QWidget* parent)
    : QWidget(parent)
    , m_position(position)
    , m_checkBox(new OvStyleCheckBox(this))
{
    setObjectName(QStringLiteral("photoCell"));
    setFixedSize(kCellSize, kCellSize);
    setCursor(Qt::PointingHandCursor);
    m_checkBox->setObjectName(QStringLiteral("photoCellCheckBox"));
    m_checkBox->SetImagePrefix(kThumbnailCheckBoxImages);
    m_checkBox->setStyleSheet(m_checkBox->styleSheet() + QStringLiteral("QCheckBox { background: transparent; }"));
    m_checkBox->adjustSize();
    m_checkBox->move(kCellSize - m_checkBox->width() - kCheckMargin, kCheckMargin);
    connect(m_checkBox, &QCheckBox::clicked, this, &ImageControls::slotCheckBoxClicked);
}

void ImageControls::SetPhoto(const QString& thumbnailPath, const QString& caption)
{
    setAccessibleName(caption);
    m_checkBox->setAccessibleName(caption);
    setToolTip(caption);
    if (!m_path.isEmpty() && m_path != thumbnailPath)
        ThumbnailLoader::instance()->forget(m_path, this);
    m_path = thumbnailPath;
    m_hasThumbnail = false;
    m_pixmap = SkinPixmap(QStringLiteral("default_photo.png"));
    if (!thumbnailPath.isEmpty())
        ThumbnailLoader::instance()->request(thumbnailPath, this);
    update();
}

void ImageControls::setThumbnail(const QString& path, const QPixmap& pixmap)
{
    if (path != m_path)
        return; // the cell shows another photo by now
    m_pixmap = pixmap;
    m_hasThumbnail = true;
    update();
}

ImageControls::~ImageControls()
{
    if (!m_path.isEmpty() && !m_hasThumbnail)
        ThumbnailLoader::instance()->forget(m_path, this);
}

bool ImageControls::IsThumbnailPending(const QString& path)
{
    return ThumbnailLoader::instance()->isPending(path);
}

void ImageControls::ClearThumbnailCache()
{
    ThumbnailLoader::instance()->clear();
}

void ImageControls::SetChecked(bool checked)
{
    m_checkBox->setChecked(checked);
}

bool ImageControls::IsChecked() const
{
    return m_checkBox->isChecked();
}

void ImageControls::slotLabelClicked(bool check)
{
    m_checkBox->setChecked(check);
    emit onCheckBoxStateChange();
}

void ImageControls::slotCheckBoxClicked(bool)
{
    emit onCheckBoxStateChange();
}

void ImageControls::slotCursorEnter()
{
    m_hovered = true;
    update();
}

void ImageControls::slotCursorLeave()
{
    m_hovered = false;
    update();
}

void ImageControls::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        slotLabelClicked(!IsChecked());
}

void ImageControls::enterEvent(QEvent*)
{
    slotCursorEnter();
}

void ImageControls::leaveEvent(QEvent*)
{
    slotCursorLeave();
}

void ImageControls::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xf2, 0xf4, 0xf6));
    if (!m_pixmap.isNull()) {
        if (m_hasThumbnail) {
            // Fill the square, cutting the longer side in the middle.
            const QSize scaled = m_pixmap.size().scaled(size(), Qt::KeepAspectRatioByExpanding);
            const QRect target((width() - scaled.width()) / 2, (height() - scaled.height()) / 2, scaled.width(),
                               scaled.height());
            painter.setClipRect(rect());
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(target, m_pixmap);
        } else {
            const QSize shown = SkinSize(m_pixmap).boundedTo(size() * 0.6);
            const QSize scaled = m_pixmap.size().scaled(shown, Qt::KeepAspectRatio);
            painter.drawPixmap(QRect(QPoint((width() - scaled.width()) / 2, (height() - scaled.height()) / 2), scaled),
                               m_pixmap);
        }
    }
    if (m_hovered) {
        QPen pen(QColor(0x29, 0x90, 0xff), kFrameWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            QRectF(rect()).adjusted(kFrameWidth / 2.0, kFrameWidth / 2.0, -kFrameWidth / 2.0, -kFrameWidth / 2.0));
    }
}
