#pragma once

#include <QPixmap>
#include <QWidget>

class QPainter;

/// The thumbnail of a large file: the file's own thumbnail when the computer has one,
/// else a picture by kind (video, music, or a drawn page with the file's format).
class LargeFilesCleanPhotoIcon : public QWidget
{
    Q_OBJECT

public:
    explicit LargeFilesCleanPhotoIcon(QWidget* parent = nullptr);

    /// Shows the picture of a file with this thumbnail and extension (with or without dot).
    void SetFile(const QString& thumbnailPath, const QString& extension);
    QPixmap Picture() const { return m_picture; }
    QSize sizeHint() const override;

    /// The skin image that stands for files of this extension without a thumbnail:
    /// "large_files_video_def.png", "large_files_music_def.png", or empty.
    static QString DefaultImageName(const QString& extension);
    /// The file's own thumbnail scaled to fit `box`, or a null image. Safe on any thread.
    static QImage ReadThumbnail(const QString& thumbnailPath, const QSize& box);
    /// The picture of a file, scaled to fit `box`.
    static QPixmap Thumbnail(const QString& thumbnailPath, const QString& extension, const QSize& box);
    /// Draws `picture` centred in `rect`.
    static void Paint(QPainter* painter, const QRect& rect, const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QPixmap DrawnPage(const QString& extension, const QSize& box);

    QPixmap m_picture;
};
