#pragma once

#include <QColor>
#include <QString>
#include <QVector>
#include <QWidget>

/// A sector chart: one slice per share, separated by thin white gaps, with a legend of
/// coloured dots and labels beside it. Without data it draws an empty grey disc.
class FanShapedWidget : public QWidget
{
    Q_OBJECT

public:
    struct Sector
    {
        qreal value = 0;
        QColor color;
        QString label;
    };

    explicit FanShapedWidget(QWidget* parent = nullptr);

    /// Slices with a value of 0 or less are left out.
    void SetSectors(const QVector<Sector>& sectors);
    QVector<Sector> Sectors() const { return m_sectors; }
    /// The angle each slice spans, in degrees, in the order given.
    QVector<qreal> SpanAngles() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVector<Sector> m_sectors;
};
