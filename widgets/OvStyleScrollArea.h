#pragma once

#include <QScrollArea>

/// A frameless, transparent scroll area with the kit's thin scroll bars. It reports every
/// scroll as signalScrollPoint(x, y), the horizontal and vertical scroll positions.
class OvStyleScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit OvStyleScrollArea(QWidget* parent = nullptr);

signals:
    void signalScrollPoint(int, int);
};
