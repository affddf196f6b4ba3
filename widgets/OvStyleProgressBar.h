#pragma once

#include <QWidget>

class QPainter;

/// A progress bar painted from the skin: the track "/ProgressBar_1.png" and, over the done
/// part, "/ProgressBar_2.png", with the percentage as "%1%" beside it.
class OvStyleProgressBar : public QWidget
{
    Q_OBJECT

public:
    explicit OvStyleProgressBar(QWidget* parent = nullptr);

    /// The percentage, kept within 0 to 100.
    void SetValue(int percent);
    int Value() const { return m_value; }
    /// The text drawn: "%1%" with the value.
    QString Text() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void signalUpdate();

public slots:
    void slotUpdate();

protected:
    void paintEvent(QPaintEvent* event) override;
    /// Where the bar and the text go; subclasses arrange them differently.
    virtual QRect BarRect() const;
    virtual QRect TextRect() const;
    virtual int TextAlignment() const { return Qt::AlignRight | Qt::AlignVCenter; }
    int BarThickness() const;

private:
    int m_value = 0;
};
