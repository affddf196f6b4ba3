#pragma once

#include <QLabel>

/// The picture of a thumbnail: the image fills the square (cropped, not squeezed) with
/// rounded corners, a play mark on videos and an accent frame under the cursor. Without a
/// picture it shows the skin's placeholder for photos or videos.
class CommomImgCtrlLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CommomImgCtrlLabel(QWidget* parent = nullptr);

    /// A picture file on the computer; a missing or unreadable file shows the placeholder.
    void SetPictureFile(const QString& path);
    void SetPicture(const QPixmap& picture);
    void SetVideo(bool video);
    bool IsVideo() const { return m_video; }
    /// Whether a picture of its own is shown (false while the placeholder is).
    bool HasPicture() const { return !m_picture.isNull(); }
    bool IsHovered() const { return m_hovered; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap m_picture;
    bool m_video = false;
    bool m_hovered = false;
};
