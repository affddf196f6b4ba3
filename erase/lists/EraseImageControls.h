#pragma once

#include <QPixmap>
#include <QWidget>

/// One tile of the photo list: the picture (or the placeholder while it loads or when the
/// file cannot be read), the file name, and a check box in the corner that is the photo's
/// selected flag. Tiles exist only for photos near the screen and are rebound as it scrolls.
/// The box is painted, not a child widget: a styled check box per tile made the first
/// screen of a large grid slow. Assistive technology sees the tile as a check box.
class EraseImageControls : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTileSize = 110;

    explicit EraseImageControls(QWidget* parent = nullptr);

    /// Shows photo `index` of the store's photo list.
    void Bind(int index);
    int Index() const { return m_index; }
    QString Date() const { return m_date; }
    /// Reads the photo's flag again (it was changed for many photos at once).
    void RefreshCheck();
    bool IsChecked() const;
    bool HasThumbnail() const { return m_hasThumbnail; }
    /// Toggles the photo as a click would.
    void Toggle();

signals:
    void onCheckBoxStateChange();
    void onCheckBoxStateChangeAdd(QString date);

public slots:
    /// A click on the picture toggles the photo as the box would.
    void slotLabelClicked(bool check);
    void slotCheckBoxClicked(bool check);
    void slotCursorEnter();
    void slotCursorLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetThumbnail(const QString& path, const QImage& image);

    int m_index = -1;
    QString m_date;
    QString m_name;
    QString m_path;
    QPixmap m_pixmap;
    bool m_hasThumbnail = false;
    bool m_hovered = false;
    bool m_checked = false;
};
