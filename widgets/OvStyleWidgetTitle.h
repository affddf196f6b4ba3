#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

class OvSPushButton;
class QHBoxLayout;
class QLabel;

/// The title bar of a frameless window: background image, application icon, title in the
/// accent colour, optional extra buttons and a close button. Dragging it moves the window.
class OvStyleWidgetTitle : public QWidget
{
    Q_OBJECT

public:
    explicit OvStyleWidgetTitle(QWidget* parent = nullptr);

    void SetTitle(const QString& title);
    QString Title() const;
    void SetTitleFont(const QFont& font);
    void SetIcon(const QString& imageName);
    void SetBackground(const QString& imageName);
    void SetCloseImages(const QString& normal, const QString& hover, const QString& pressed);
    /// Adds an image button left of the close button; `name` is read to screen readers and
    /// shown as its tool tip ("Tools", "Minimize").
    OvSPushButton* AddTitleButton(const QString& objectName, const QString& name, const QString& normal,
                                  const QString& hover, const QString& pressed);
    /// Already connected to slotClosePWidget; connecting it to close() again would ask a
    /// window's close question twice.
    OvSPushButton* CloseButton() const { return m_closeButton; }
    /// The window that dragging moves; by default the window holding the title bar.
    void SetMoveWidget(QWidget* window);
    void SetMovable(bool movable) { m_movable = movable; }

    QSize sizeHint() const override;

public slots:
    void slotClosePWidget();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* moveTarget() const;

    QString m_background;
    QHBoxLayout* m_layout = nullptr;
    QLabel* m_iconLabel = nullptr;
    QLabel* m_titleLabel = nullptr;
    OvSPushButton* m_closeButton = nullptr;
    QPointer<QWidget> m_moveWidget;
    bool m_movable = true;
    bool m_dragging = false;
    QPoint m_grabOffset;
};
