#pragma once

#include <QTableWidget>

/// A flat table: no grid and no frame, a light header, rows separated by hairlines, the
/// kit's scroll bars and image check boxes for checkable items.
class OvStyleTableWidget : public QTableWidget
{
    Q_OBJECT

public:
    explicit OvStyleTableWidget(QWidget* parent = nullptr);
    OvStyleTableWidget(int rows, int columns, QWidget* parent = nullptr);

    static constexpr int kRowHeight = 40;

private:
    void init();
};
