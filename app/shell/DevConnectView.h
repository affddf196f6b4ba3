#pragma once

#include <QWidget>

/// "Connecting the device": shown from the device's arrival until it is ready.
class DevConnectView : public QWidget
{
    Q_OBJECT

public:
    explicit DevConnectView(QWidget* parent = nullptr);
};
