#include "CommomImgCtrlLabel.h"

#include "SkinImage.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kRadius = 6;

} // namespace

CommomImgCtrlLabel::CommomImgCtrlLabel(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("thumbnailPicture"));
    setMinimumSize(48, 48);
}

void CommomImgCtrlLabel::SetPictureFile(const QString& path)
{
    QPixmap picture;
    if (!path.isEmpty())
        picture.load(path);
    SetPicture(picture);
}

void CommomImgCtrlLabel::SetPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void CommomImgCtrlLabel::SetVideo(bool video)
{
    m_video = video;
    update();
}

QSize CommomImgCtrlLabel::sizeHint() const
{
    return { 100, 100 };
}

void CommomImgCtrlLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF face = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath clip;
    clip.addRoundedRect(face, kRadius, kRadius);

    QPixmap picture = m_picture;
    if (picture.isNull())
        picture = SkinPixmap(m_video ? QStringLiteral("default_video.png") : QStringLiteral("default_photo.png"));
    painter.save();
    painter.setClipPath(clip);
    painter.fillRect(face, QColor(0xf2, 0xf4, 0xf7));
    if (!picture.isNull()) {
        // Fill the square and crop the overflow, as photo grids do.
        const QSize scaled = picture.size().scaled(face.size().toSize(), Qt::KeepAspectRatioByExpanding);
        const QRectF target(face.center().x() - scaled.width() / 2.0, face.center().y() - scaled.height() / 2.0,
                            scaled.width(), scaled.height());
        painter.drawPixmap(target, picture, QRectF(picture.rect()));
    }
    painter.restore();

    if (m_video && !m_picture.isNull()) {
        // A play mark tells videos from photos.
        const QPointF centre = face.center();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 110));
        painter.drawEllipse(centre, 16, 16);
        painter.setBrush(Qt::white);
        painter.drawPolygon(QPolygonF({ centre + QPointF(-5, -8), centre + QPointF(-5, 8), centre + QPointF(8, 0) }));
    }
    painter.setBrush(Qt::NoBrush);
    if (m_hovered) {
        painter.setPen(QPen(QColor(0x29, 0x90, 0xff), 2));
        painter.drawRoundedRect(face, kRadius, kRadius);
    } else {
        painter.setPen(QPen(QColor(0xe3, 0xe9, 0xf0), 1));
        painter.drawRoundedRect(face, kRadius, kRadius);
    }
}

void CommomImgCtrlLabel::enterEvent(QEvent* event)
{
    QLabel::enterEvent(event);
    m_hovered = true;
    update();
}

void CommomImgCtrlLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    m_hovered = false;
    update();
}
