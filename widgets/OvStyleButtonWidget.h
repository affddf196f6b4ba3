#pragma once

#include <QWidget>

/// A card that acts as one button: the owner lays its own widgets out inside, the card
/// draws the hover and pressed look and emits signalClicked for a click or Space/Enter.
/// The owner gives it an accessible name: what the card does.
class OvStyleButtonWidget : public QWidget
{
    Q_OBJECT

public:
    explicit OvStyleButtonWidget(QWidget* parent = nullptr);

    bool IsHovered() const { return m_hovered; }
    bool IsPressed() const { return m_pressed; }

signals:
    void signalUpdate();
    void signalClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool m_hovered = false;
    bool m_pressed = false;
};
