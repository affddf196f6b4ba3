#pragma once

#include <QPixmap>
#include <QWidget>

class OvStyleCheckBox;

/// One thumbnail cell of the photo grid: the picture, a check box in its corner and a blue
/// frame while the cursor is over it. Cells exist only for rows on screen; the group owns
/// the photo's state and hands it to the cell it shows it in.
class ImageControls : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kCellSize = 100;

    /// `position` is the photo's place in its group.
    explicit ImageControls(int position, QWidget* parent = nullptr);
    ~ImageControls() override;

    int Position() const { return m_position; }
    /// Shows the photo of `thumbnailPath` (loaded off the window thread, scaled, cached;
    /// the default picture while it loads or when the file is missing).
    void SetPhoto(const QString& thumbnailPath, const QString& caption);
    /// Sets the check box without reporting it.
    void SetChecked(bool checked);
    bool IsChecked() const;
    bool IsHovered() const { return m_hovered; }
    /// Whether the cell still shows the default picture.
    bool HasThumbnail() const { return m_hasThumbnail; }

    /// Forgets every cached thumbnail (a new scan brought new files).
    static void ClearThumbnailCache();
    /// Whether the thumbnail `path` is still waiting for a decoder.
    static bool IsThumbnailPending(const QString& path);

signals:
    void onCheckBoxStateChange();

public slots:
    void slotLabelClicked(bool check);
    void slotCheckBoxClicked(bool check);
    void slotCursorEnter();
    void slotCursorLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    friend class ThumbnailLoader;
    void setThumbnail(const QString& path, const QPixmap& pixmap);

    int m_position;
    QString m_path;
    QPixmap m_pixmap;
    bool m_hasThumbnail = false;
    bool m_hovered = false;
    OvStyleCheckBox* m_checkBox;
};
