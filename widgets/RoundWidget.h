#pragma once

#include <QWidget>

/// A ring that shows a share of a whole (the used space of the device): a grey track, the
/// share as an arc in the accent colour from the top clockwise, the percentage inside.
class RoundWidget : public QWidget
{
    Q_OBJECT

public:
    explicit RoundWidget(QWidget* parent = nullptr);

    /// `part` of `whole`; a whole of 0 reads as 0 %.
    void SetValue(quint64 part, quint64 whole);
    int Percent() const { return m_percent; }
    void SetCaption(const QString& caption);
    QString Caption() const { return m_caption; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_percent = 0;
    QString m_caption;
};
