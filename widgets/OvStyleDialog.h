#pragma once

#include <QDialog>

/// The base of the frameless dialogs: no window frame, a translucent background and a drop
/// shadow where the window system can show them, else a plain edge. Subclasses paint their own face on a child frame
/// inside the shadow margin.
class OvStyleDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OvStyleDialog(QWidget* parent = nullptr);

    /// The room left around the face for the shadow, in pixels.
    static constexpr int kShadowMargin = 12;

    /// Whether the window system draws translucent windows (on X11 only with a compositor).
    static bool CanBeTranslucent();

protected:
    void paintEvent(QPaintEvent* event) override;
};
