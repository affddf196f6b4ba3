#pragma once

#include <QDialog>

class QTimer;

/// Tells the user about a condition that blocks an erase: 0 encrypted backup, 1 Find My
/// iPhone on, 2 device locked (then a timer keeps checking whether it was unlocked).
class EraseTipDialog : public QDialog
{
    Q_OBJECT

public:
    enum Mode { EncryptedBackup = 0, FindMyIPhone = 1, DeviceLocked = 2 };

    EraseTipDialog(int mode, QWidget* parent = nullptr);

    int mode() const { return m_mode; }

signals:
    void onTryAgain();
    void onCheckTimer();
    void onCloseDialog();

public slots:
    void slotTurnOffFindMyiPhone(QString url);
    void slotPopupFindMyiPhone(QString url);
    void slotIsEncrypt(QString url);
    void slotTryAgain();
    void slotCheckLock();
    void slotContinue();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    int m_mode;
    QTimer* m_lockTimer = nullptr;
};
