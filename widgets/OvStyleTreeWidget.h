#pragma once

#include <QTreeWidget>

/// A flat tree in the style of the kit's tables: tall rows, a light header, the kit's
/// scroll bars and image check boxes for checkable items.
class OvStyleTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    explicit OvStyleTreeWidget(QWidget* parent = nullptr);
};
