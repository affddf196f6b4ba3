#pragma once

#include <QWidget>

class FeatureHomePage;
class OvModel;
class QPushButton;

/// The start page of every erase feature: what the feature does, the connected device,
/// and the big start button that runs the start checks before any device work.
class EraseTabPage : public QWidget
{
    Q_OBJECT

public:
    /// `feature` is the feature's tab index (1 all data, 2 deleted files, 3 private data,
    /// 4 fragments).
    EraseTabPage(int feature, OvModel* model, const QString& picture, const QString& title, const QString& description,
                 const QString& buttonText, QWidget* parent = nullptr);

    int feature() const { return m_feature; }
    OvModel* model() const { return m_model; }
    QPushButton* startButton() const { return m_start; }

signals:
    void onScanProcess();
    void SignalSwitchPage(int);

public slots:
    void slotNext();
    void SetDeviceInfo(const QString& name, quint64 totalBytes, quint64 freeBytes);

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// The checks of slotNext; false when one of them stopped the start.
    bool PassChecks();
    /// Asks for the backup password until the backup opens; false when the user gave up.
    bool UnlockBackup();

    int m_feature;
    OvModel* m_model;
    FeatureHomePage* m_home = nullptr;
    QPushButton* m_start = nullptr;
    bool m_checking = false;
};
