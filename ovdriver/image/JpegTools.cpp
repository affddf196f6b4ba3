#include "JpegTools.h"

#include "AtomicFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

QImage JpegTools::generatePhoto(const QSize& size, std::mt19937& random)
{
    QImage image(size, QImage::Format_RGB32);
    std::uniform_int_distribution<int> channel(0, 255);
    const QColor from(channel(random), channel(random), channel(random));
    const QColor to(channel(random), channel(random), channel(random));
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(image.rect(), gradient);
    painter.setPen(Qt::NoPen);
    std::uniform_int_distribution<int> x(0, qMax(1, size.width() - 1));
    std::uniform_int_distribution<int> y(0, qMax(1, size.height() - 1));
    for (int shape = 0; shape < 6; ++shape) {
        painter.setBrush(QColor(channel(random), channel(random), channel(random), 160));
        painter.drawEllipse(QPoint(x(random), y(random)), size.width() / 6 + 1, size.height() / 6 + 1);
    }
    painter.end();
    std::uniform_int_distribution<int> noise(-6, 6);
    for (int row = 0; row < image.height(); ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < image.width(); ++column) {
            const int n = noise(random);
            const QRgb p = line[column];
            line[column]
                = qRgb(qBound(0, qRed(p) + n, 255), qBound(0, qGreen(p) + n, 255), qBound(0, qBlue(p) + n, 255));
        }
    }
    return image;
}

bool JpegTools::writeJpeg(const QImage& image, const QString& path, int quality)
{
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    // Only new images are written this way; their loss in a crash costs nothing.
    return image.save(&buffer, "JPEG", quality) && AtomicFile::write(path, encoded, nullptr, AtomicFile::Sync::Fast);
}

bool JpegTools::writeThumbnail(const QImage& image, const QString& path, int edge)
{
    if (image.isNull())
        return false;
    return writeJpeg(image.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation), path, 80);
}

bool JpegTools::writeThumbnail(const QString& source, const QString& path, int edge)
{
    QImageReader reader(source);
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(size.scaled(edge, edge, Qt::KeepAspectRatio));
    return writeThumbnail(reader.read(), path, edge);
}

bool JpegTools::recompressSmaller(const QString& path, qint64* newSize, QString* error)
{
    const qint64 original = QFileInfo(path).size();
    QImage image;
    if (!image.load(path)) {
        if (error)
            *error = QString("unreadable image %1").arg(path);
        return false;
    }
    // Lower quality first; a picture that still does not shrink is scaled down as well.
    QByteArray encoded;
    for (int attempt = 0; attempt < 5; ++attempt) {
        const QImage candidate = attempt == 0
            ? image
            : image.scaled(image.size() * (1.0 - 0.2 * attempt), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        encoded.clear();
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        if (candidate.isNull() || !candidate.save(&buffer, "JPEG", 45))
            break;
        if (encoded.size() < original)
            break;
    }
    if (encoded.isEmpty() || encoded.size() >= original) {
        if (error)
            *error = QString("%1 cannot be made smaller").arg(path);
        return false;
    }
    if (!AtomicFile::write(path, encoded, error))
        return false;
    if (newSize)
        *newSize = encoded.size();
    return true;
}
