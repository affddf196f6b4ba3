#pragma once

#include <QWidget>

class DeviceInfoWidget;
class QLabel;
class QToolButton;

/// The home page of 1-Click Free Up Space (page 0): the device with its space, the last
/// clean, a big "Quick Scan" and one entry per category. It only emits the page to go to.
class OneKeyCleanView : public QWidget
{
    Q_OBJECT

public:
    explicit OneKeyCleanView(QWidget* parent = nullptr);

    /// Reads the device and its clean history again; also done each time the page shows.
    void RefreshLabels();

    QString LastUseText() const;
    /// A clean-history date as the interface language writes dates, or the text itself
    /// when it is not one.
    static QString LocalDateText(const QString& historyDate);
    QString TotalReleasedText() const;

signals:
    void ShowNextView(int);
    void onScanJunk(int);
    void onScanCache(int);
    void onScanImage(int);
    void onScanLargeFile(int);
    void onScanApps(int);

private slots:
    void slotScanJunk();
    void slotScanCache();
    void slotScanImage();
    void slotScanLargeFile();
    void slotScanApps();
    void ClickedNextButton();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QToolButton* AddCategory(const QString& objectName, const QString& text, const QString& icon);
    QString SizeText(quint64 bytes) const;

    DeviceInfoWidget* m_deviceInfo = nullptr;
    QLabel* m_lastUseValue = nullptr;
    QLabel* m_releasedValue = nullptr;
    QWidget* m_categoryRow = nullptr;
};
