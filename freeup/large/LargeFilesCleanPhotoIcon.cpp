#include "LargeFilesCleanPhotoIcon.h"

#include "AppStyle.h"
#include "SkinImage.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

namespace {

const QSize kDefaultBox(48, 40);

const QStringList& VideoExtensions()
{
    static const QStringList list
        = QStringLiteral(".MP4/.M4V/.3GP/.MPEG/.MPG/.DAT/.AVI/.MOV/.ASF/.WMV/.VOB/.MKV/.FLV/.3GS")
              .split(QLatin1Char('/'));
    return list;
}

const QStringList& AudioExtensions()
{
    static const QStringList list = QStringLiteral(".MP3/.AAC/.AC3/.APE/.AIF/.AIFF/.AMR/.AU/.FLAC/.M4A/.MKA/.MPA/.MP2/"
                                                   ".OGG/.WAV/.WMA/.3G2/.M4B/.M4R/.CUE")
                                        .split(QLatin1Char('/'));
    return list;
}

QString DottedUpper(const QString& extension)
{
    const QString upper = extension.trimmed().toUpper();
    return upper.startsWith(QLatin1Char('.')) ? upper : QLatin1Char('.') + upper;
}

} // namespace

LargeFilesCleanPhotoIcon::LargeFilesCleanPhotoIcon(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("largeFilesPhotoIcon"));
    setAccessibleName(tr("Thumbnail"));
}

void LargeFilesCleanPhotoIcon::SetFile(const QString& thumbnailPath, const QString& extension)
{
    m_picture = Thumbnail(thumbnailPath, extension, kDefaultBox);
    update();
}

QSize LargeFilesCleanPhotoIcon::sizeHint() const
{
    return kDefaultBox;
}

QString LargeFilesCleanPhotoIcon::DefaultImageName(const QString& extension)
{
    const QString key = DottedUpper(extension);
    if (key.size() < 2)
        return QString();
    if (VideoExtensions().contains(key))
        return QStringLiteral("large_files_video_def.png");
    if (AudioExtensions().contains(key))
        return QStringLiteral("large_files_music_def.png");
    return QString();
}

QImage LargeFilesCleanPhotoIcon::ReadThumbnail(const QString& thumbnailPath, const QSize& box)
{
    if (thumbnailPath.isEmpty() || !QFileInfo(thumbnailPath).isFile())
        return QImage();
    // Decoding straight to the cell's size keeps a big picture from costing its full size.
    QImageReader reader(thumbnailPath);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid())
        reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio));
    return reader.read();
}

QPixmap LargeFilesCleanPhotoIcon::Thumbnail(const QString& thumbnailPath, const QString& extension, const QSize& box)
{
    const QImage image = ReadThumbnail(thumbnailPath, box);
    if (!image.isNull())
        return QPixmap::fromImage(image);
    const QString name = DefaultImageName(extension);
    if (!name.isEmpty()) {
        const QPixmap picture = SkinPixmap(name);
        if (!picture.isNull())
            return SkinSize(picture).boundedTo(box) == SkinSize(picture) ? picture : SkinScaled(picture, box);
    }
    return DrawnPage(extension, box);
}

QPixmap LargeFilesCleanPhotoIcon::DrawnPage(const QString& extension, const QSize& box)
{
    // Documents and archives have no picture of their own in the skin: a page with a
    // folded corner and the format on it tells them apart well enough.
    const int height = qMin(box.height(), 40);
    const int width = height * 4 / 5;
    QPixmap page(width, height);
    page.fill(Qt::transparent);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    const int fold = width / 3;
    QPainterPath outline;
    outline.moveTo(0.5, 0.5);
    outline.lineTo(width - fold, 0.5);
    outline.lineTo(width - 0.5, fold);
    outline.lineTo(width - 0.5, height - 0.5);
    outline.lineTo(0.5, height - 0.5);
    outline.closeSubpath();
    painter.setPen(QColor(0xb2, 0xd7, 0xfd));
    painter.setBrush(QColor(0xee, 0xf6, 0xff));
    painter.drawPath(outline);
    painter.drawLine(QPointF(width - fold, 0.5), QPointF(width - fold, fold));
    painter.drawLine(QPointF(width - fold, fold), QPointF(width - 0.5, fold));
    QString label = DottedUpper(extension).mid(1).left(4);
    if (!label.isEmpty()) {
        QFont font = AppStyle::instance().font(5);
        font.setPixelSize(9);
        painter.setFont(font);
        painter.setPen(QColor(0x29, 0x90, 0xff));
        painter.drawText(QRect(0, fold, width, height - fold), Qt::AlignCenter, label);
    }
    return page;
}

void LargeFilesCleanPhotoIcon::Paint(QPainter* painter, const QRect& rect, const QPixmap& picture)
{
    if (picture.isNull())
        return;
    const QSize size = picture.size() / picture.devicePixelRatio();
    const QPoint topLeft(rect.x() + (rect.width() - size.width()) / 2, rect.y() + (rect.height() - size.height()) / 2);
    painter->drawPixmap(topLeft, picture);
}

void LargeFilesCleanPhotoIcon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(&painter, rect(), m_picture);
}
