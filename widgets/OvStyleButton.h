#pragma once

#include <QPushButton>

/// A card-like button: a skin icon above a caption, a light card under the cursor. It
/// reports the cursor entering and leaving, and repaints on signalUpdate.
class OvStyleButton : public QPushButton
{
    Q_OBJECT

public:
    explicit OvStyleButton(const QString& text = QString(), QWidget* parent = nullptr);

    /// Icons for normal, hover, pressing and disabled; an empty name falls back to normal.
    void SetImages(const QString& normal, const QString& hover = QString(), const QString& pressing = QString(),
                   const QString& disabled = QString());
    /// Text and accessible name together.
    void SetButtonText(const QString& text);
    bool IsHovered() const { return m_hovered; }
    /// The icon drawn now.
    QString CurrentImage() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void signalUpdate();
    void mouseEnter();
    void mouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString m_normal;
    QString m_hover;
    QString m_pressing;
    QString m_disabled;
    bool m_hovered = false;
};
