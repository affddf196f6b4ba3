#pragma once

#include <QWidget>

class OvStyleWidgetTitle;
class QFrame;

/// A frameless window with a drop shadow: a white rounded face holding a title bar and a
/// content area that the owner fills.
class OvStyleWidget : public QWidget
{
    Q_OBJECT

public:
    explicit OvStyleWidget(QWidget* parent = nullptr);

    void SetTitle(const QString& title);
    OvStyleWidgetTitle* TitleBar() const { return m_title; }
    /// Where the owner puts its widgets (give it a layout).
    QWidget* ContentWidget() const { return m_content; }

    /// The room left around the face for the shadow, in pixels.
    static constexpr int kShadowMargin = 12;

public slots:
    void slotClosePWidget();

private:
    QFrame* m_face = nullptr;
    OvStyleWidgetTitle* m_title = nullptr;
    QWidget* m_content = nullptr;
};
