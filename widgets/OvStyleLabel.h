#pragma once

#include <QLabel>

/// A label that acts on the cursor: a click emits clicked(), which toggles the label's
/// check mark and reports it with changeLabelSignal; entering and leaving are reported
/// too. Picture cells use it to tick their check box by clicking the picture.
class OvStyleLabel : public QLabel
{
    Q_OBJECT

public:
    explicit OvStyleLabel(QWidget* parent = nullptr);
    explicit OvStyleLabel(const QString& text, QWidget* parent = nullptr);

    bool IsChecked() const { return m_checked; }
    bool IsHovered() const { return m_hovered; }
    /// Draws a frame in the accent colour while the cursor is over the label.
    void SetHoverFrame(bool on);

signals:
    void clicked();
    void changeLabelSignal(bool check);
    void cursorEnterSignal();
    void cursorLeaveSignal();

public slots:
    void slotLabelClicked();
    /// Follows the check box that belongs to the label, without reporting back.
    void slotCheckBox(bool check);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void init();

    bool m_checked = false;
    bool m_hovered = false;
    bool m_pressed = false;
    bool m_hoverFrame = false;
};
