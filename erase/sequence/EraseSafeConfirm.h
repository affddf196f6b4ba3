#pragma once

#include <QMap>
#include <QWidget>

class OvModel;

/// The last page before destructive work in Erase Deleted Files, Erase Private Data and
/// Erase Private Fragments: precautions, the security level, the typed word, and the
/// posting of one erase task per checked category with exactly the ticked records.
class EraseSafeConfirm : public QWidget
{
    Q_OBJECT

public:
    EraseSafeConfirm(int feature, OvModel* model, QWidget* parent = nullptr);

    int feature() const { return m_feature; }
    void SetTitle(const QString& title);
    void SetPicture(const QString& picture);
    /// Fill passes of the confirmed erase: 2 at High, 1 at Medium, 0 at Low.
    int FillPasses() const { return m_fillPasses; }

signals:
    void signalClickedCancelBtn(int);
    void signalClickedEraseNowBtn();
    void SignalSwitchPage(int);
    void SignalConfirmFinshed();

public slots:
    void OnClickedCancelBtn();
    void OnClickedEraseNowBtn();
    void OnLinkLevel();
    void onConfirmSettingLevel(int level);

private:
    int m_feature;
    OvModel* m_model;
    int m_fillPasses = 1;
};
