#pragma once

#include <QWidget>

class QLabel;

/// The device summary on feature pages: picture, name, and total, free and used space in
/// gigabytes with a bar that shows used against free.
class DeviceInfoWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceInfoWidget(QWidget* parent = nullptr);

    void SetDeviceInfo(const QString& name, quint64 totalBytes, quint64 freeBytes);

    /// "12.50GB " for a byte count: divided by 1024 twice, then as gigabytes with two decimals.
    static QString GigabyteText(quint64 bytes);

    quint64 totalBytes() const { return m_total; }
    quint64 freeBytes() const { return m_free; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_picture = nullptr;
    QLabel* m_name = nullptr;
    QLabel* m_totalLine = nullptr;
    QLabel* m_freeLine = nullptr;
    QLabel* m_usedLine = nullptr;
    quint64 m_total = 0;
    quint64 m_free = 0;
};
