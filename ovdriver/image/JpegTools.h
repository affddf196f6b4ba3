#pragma once

#include <QImage>
#include <QString>

#include <random>

/// Generated pictures for device images, and the re-encoding of photo compression.
class JpegTools
{
public:
    /// A photo-like picture: a gradient, a few shapes and sensor noise (so that JPEG has
    /// something to compress).
    static QImage generatePhoto(const QSize& size, std::mt19937& random);
    static bool writeJpeg(const QImage& image, const QString& path, int quality);
    /// A small JPEG of at most `edge` pixels a side.
    static bool writeThumbnail(const QImage& image, const QString& path, int edge = 160);
    static bool writeThumbnail(const QString& source, const QString& path, int edge = 160);
    /// Re-encodes the JPEG at `path` in place so that it takes fewer bytes; keeps the file
    /// untouched on failure.
    static bool recompressSmaller(const QString& path, qint64* newSize, QString* error);
};
