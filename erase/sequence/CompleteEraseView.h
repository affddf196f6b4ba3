#pragma once

#include <QWidget>

class EraseSafeConfirm;

/// Overwrites the device's free space once or twice after an erase, so that erased data
/// cannot be read back.
class CompleteEraseView : public QWidget
{
    Q_OBJECT

public:
    /// `confirm` is the feature's confirmation page, which knows the fill passes.
    CompleteEraseView(int feature, EraseSafeConfirm* confirm, QWidget* parent = nullptr);

    int feature() const { return m_feature; }

signals:
    void signalFillDataStopBtn();
    void signalFillDataFinished();
    void SignalSwitchPage(int);
    void signalUpdateFillProcess(int);

public slots:
    void slotUpdateFillProcess(int value);

private:
    int m_feature;
    EraseSafeConfirm* m_confirm;
};
