#pragma once

#include <QWidget>

/// The bar of a pass that overwrites free space: a thick rounded bar filled in the accent
/// colour by the amount written of the total, with the percentage inside.
class OvFillDataProgressBar : public QWidget
{
    Q_OBJECT

public:
    explicit OvFillDataProgressBar(QWidget* parent = nullptr);

    /// Amounts in bytes; a total of 0 reads as 0 %.
    void SetValue(quint64 written, quint64 total);
    int Percent() const { return m_percent; }
    QString Text() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_percent = 0;
};
