#include "EraseImageControls.h"

#include "CGlobalData.h"
#include "SkinImage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QRunnable>
#include <QThreadPool>

namespace {

constexpr int kPicture = 90;
const QSize kPictureArea(kPicture, kPicture - 12);

/// Scaled once when it arrives, not at every paint of a scrolling grid.
QPixmap Fit(const QPixmap& pixmap)
{
    return SkinScaled(pixmap, kPictureArea);
}

QThreadPool& ThumbnailPool()
{
    // Two threads: decoding must never hold the window thread, nor take the whole machine.
    static QThreadPool* pool = [] {
        auto* created = new QThreadPool(QCoreApplication::instance());
        created->setMaxThreadCount(2);
        return created;
    }();
    return *pool;
}

/// The tile as screen readers see it: a check box named after the photo that they can toggle.
class AccessibleImageTile : public QAccessibleWidget
{
public:
    explicit AccessibleImageTile(EraseImageControls* tile)
        : QAccessibleWidget(tile, QAccessible::CheckBox)
    { }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = static_cast<EraseImageControls*>(widget())->IsChecked();
        return state;
    }
    QStringList actionNames() const override { return { toggleAction() }; }
    void doAction(const QString& action) override
    {
        if (action == toggleAction() || action == pressAction())
            static_cast<EraseImageControls*>(widget())->Toggle();
    }
};

QAccessibleInterface* TileAccessibility(const QString& className, QObject* object)
{
    if (className == QLatin1String("EraseImageControls") && object && object->isWidgetType())
        return new AccessibleImageTile(static_cast<EraseImageControls*>(object));
    return nullptr;
}

/// A skin picture every tile shows, read once. Kept in Qt's pixmap cache, which the
/// application empties before it ends: a static pixmap would outlive the window system.
QPixmap SharedPicture(const QString& name)
{
    QPixmap picture;
    if (!QPixmapCache::find(name, &picture)) {
        picture = SkinPixmap(name);
        QPixmapCache::insert(name, picture);
    }
    return picture;
}

/// The placeholder of a photo, fitted to the tile once.
QPixmap Placeholder()
{
    const QString key = QStringLiteral("eraseTilePlaceholder");
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = Fit(SkinPixmap(QStringLiteral("photo_video.png")));
        QPixmapCache::insert(key, picture);
    }
    return picture;
}

QPixmap BoxPicture(bool checked, bool hovered)
{
    static const QString names[4] = {
        QStringLiteral("checkbox1_normal.png"),
        QStringLiteral("checkbox1_hover.png"),
        QStringLiteral("checkbox1_selected.png"),
        QStringLiteral("checkbox1_selected_hover.png"),
    };
    return SharedPicture(names[(checked ? 2 : 0) + (hovered ? 1 : 0)]);
}

} // namespace

EraseImageControls::EraseImageControls(QWidget* parent)
    : QWidget(parent)
{
    static const bool registered = [] {
        QAccessible::installFactory(TileAccessibility);
        return true;
    }();
    Q_UNUSED(registered)
    setObjectName(QStringLiteral("photoTile"));
    setFixedSize(kTileSize, kTileSize);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void EraseImageControls::Bind(int index)
{
    const QVector<PhotoVideoInfo>& photos = CGlobalData::GetInstance()->m_obLPhotoAndVideo;
    m_index = index;
    const bool valid = index >= 0 && index < photos.size();
    m_name = valid ? photos.at(index).m_strFileName : QString();
    m_date = valid ? photos.at(index).m_strDate : QString();
    const QString path = valid ? photos.at(index).m_strPath : QString();
    setAccessibleName(m_name.isEmpty() ? tr("Photo") : m_name);
    setAccessibleDescription(m_date);
    setToolTip(QStringLiteral("%1\n%2").arg(m_name, m_date));
    RefreshCheck();
    if (path == m_path && m_hasThumbnail)
        return;
    m_path = path;
    m_hasThumbnail = false;
    m_pixmap = Placeholder();
    update();
    if (path.isEmpty())
        return;
    // Loaded off the window thread; a file that is missing or unreadable keeps the placeholder.
    QPointer<EraseImageControls> self(this);
    ThumbnailPool().start(QRunnable::create([self, path] {
        QImage image;
        if (QFileInfo(path).isFile()) {
            QImageReader reader(path);
            const QSize full = reader.size();
            if (full.isValid())
                reader.setScaledSize(full.scaled(kPicture, kPicture, Qt::KeepAspectRatio));
            image = reader.read();
        }
        if (image.isNull())
            return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, path, image] {
                if (self)
                    self->SetThumbnail(path, image);
            },
            Qt::QueuedConnection);
    }));
}

void EraseImageControls::SetThumbnail(const QString& path, const QImage& image)
{
    if (path != m_path)
        return; // the tile shows another photo by now
    m_pixmap = Fit(QPixmap::fromImage(image));
    m_hasThumbnail = true;
    update();
}

void EraseImageControls::RefreshCheck()
{
    const QVector<PhotoVideoInfo>& photos = CGlobalData::GetInstance()->m_obLPhotoAndVideo;
    const bool checked = m_index >= 0 && m_index < photos.size() && photos.at(m_index).m_bSelected;
    if (checked == m_checked)
        return;
    m_checked = checked;
    update();
}

bool EraseImageControls::IsChecked() const
{
    return m_checked;
}

void EraseImageControls::Toggle()
{
    slotLabelClicked(!m_checked);
}

void EraseImageControls::slotLabelClicked(bool check)
{
    slotCheckBoxClicked(check);
}

void EraseImageControls::slotCheckBoxClicked(bool check)
{
    QVector<PhotoVideoInfo>& photos = CGlobalData::GetInstance()->m_obLPhotoAndVideo;
    if (m_index < 0 || m_index >= photos.size())
        return;
    photos[m_index].m_bSelected = check ? 1 : 0;
    m_checked = check;
    update();
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    emit onCheckBoxStateChange();
    emit onCheckBoxStateChangeAdd(m_date);
}

void EraseImageControls::slotCursorEnter()
{
    m_hovered = true;
    update();
}

void EraseImageControls::slotCursorLeave()
{
    m_hovered = false;
    update();
}

void EraseImageControls::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect picture(QPoint((width() - kPicture) / 2, 2), kPictureArea);
    painter.fillRect(picture, QColor(240, 242, 244));
    if (!m_pixmap.isNull()) {
        painter.drawPixmap(picture.center() - QPoint(m_pixmap.width() / 2, m_pixmap.height() / 2), m_pixmap);
    }
    painter.setPen(QColor(88, 88, 88));
    painter.drawText(QRect(0, kPicture - 8, width(), height() - kPicture + 8), Qt::AlignCenter,
                     fontMetrics().elidedText(m_name, Qt::ElideMiddle, width() - 4));
    const QPixmap box = BoxPicture(m_checked, m_hovered);
    if (!box.isNull()) {
        painter.drawPixmap(width() - box.width() - 6, 6, box);
    } else { // no skin: the box still has to show
        painter.setPen(QColor(41, 144, 255));
        painter.setBrush(m_checked ? QColor(41, 144, 255) : QColor(Qt::white));
        painter.drawEllipse(width() - 26, 6, 18, 18);
    }
    if (m_hovered || hasFocus()) {
        painter.setPen(QPen(QColor(41, 144, 255), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void EraseImageControls::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        Toggle();
}

void EraseImageControls::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) {
        Toggle();
        return;
    }
    QWidget::keyPressEvent(event);
}

void EraseImageControls::enterEvent(QEvent* event)
{
    QWidget::enterEvent(event);
    slotCursorEnter();
}

void EraseImageControls::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    slotCursorLeave();
}
