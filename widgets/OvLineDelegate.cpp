#include "OvLineDelegate.h"

#include <QPainter>

OvLineDelegate::OvLineDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{ }

void OvLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    painter->save();
    painter->setPen(m_lineColor);
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->restore();
}
