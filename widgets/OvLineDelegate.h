#pragma once

#include <QColor>
#include <QStyledItemDelegate>

/// Draws items without a focus frame and with a hairline under each row, for lists whose
/// rows are separated by lines instead of a grid.
class OvLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit OvLineDelegate(QObject* parent = nullptr);

    void SetLineColor(const QColor& color) { m_lineColor = color; }
    QColor LineColor() const { return m_lineColor; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QColor m_lineColor { 0xec, 0xec, 0xec };
};
