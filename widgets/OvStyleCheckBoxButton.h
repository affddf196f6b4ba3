#pragma once

#include <QAbstractButton>

/// A check box with a caption that reads as a button: the whole face is the target, it
/// highlights on hover, and it may show the partly checked state of a "select all" header.
class OvStyleCheckBoxButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit OvStyleCheckBoxButton(const QString& text = QString(), QWidget* parent = nullptr);

    /// 0 unchecked, 1 partly checked, 2 checked; emits CheckChange when it changes.
    void SetCheckState(int state);
    int CheckState() const { return m_state; }
    void SetImagePrefix(const QString& prefix);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void CheckChange(int);
    void ClickEvent();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString imageName() const;

    QString m_prefix;
    int m_state = 0;
    bool m_hovered = false;
};
