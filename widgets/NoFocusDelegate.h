#pragma once

#include <QStyledItemDelegate>

/// Draws items without the dotted focus frame, which the kit's lists do not show.
class NoFocusDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit NoFocusDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
