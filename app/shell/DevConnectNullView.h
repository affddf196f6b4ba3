#pragma once

#include <QWidget>

class QLabel;
class QMovie;

/// "Please connect your device": shown while no device is connected.
class DevConnectNullView : public QWidget
{
    Q_OBJECT

public:
    explicit DevConnectNullView(QWidget* parent = nullptr);

public slots:
    void slotDeviceTip(QString);

private:
    QMovie* m_movie = nullptr;
};
