#pragma once

#include <QWidget>

class DeviceInfoWidget;
class QLabel;

/// The start page of a feature: its picture, title and description beside the connected
/// device's summary.
class FeatureHomePage : public QWidget
{
    Q_OBJECT

public:
    FeatureHomePage(const QString& picture, const QString& title, const QString& description,
                    QWidget* parent = nullptr);

    void SetDeviceInfo(const QString& name, quint64 totalBytes, quint64 freeBytes);
    DeviceInfoWidget* deviceInfo() const { return m_deviceInfo; }

private:
    DeviceInfoWidget* m_deviceInfo = nullptr;
};
