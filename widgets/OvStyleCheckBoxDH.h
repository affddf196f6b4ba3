#pragma once

#include <QCheckBox>

/// A check box painted from the six skin images "checkState1.png" to "checkState6.png":
/// unchecked, unchecked hover, checked, checked hover, partly checked, partly checked hover.
class OvStyleCheckBoxDH : public QCheckBox
{
    Q_OBJECT

public:
    explicit OvStyleCheckBoxDH(QWidget* parent = nullptr);
    explicit OvStyleCheckBoxDH(const QString& text, QWidget* parent = nullptr);

    /// The image drawn for the current check state and hover.
    QString ImageName() const;
    bool IsHovered() const { return m_hovered; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void init();

    bool m_hovered = false;
};
