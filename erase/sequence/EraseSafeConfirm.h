#pragma once

#include <QMap>
#include <QWidget>

#include <functional>

class DeviceRestartView;
class OvModel;
class QLabel;
class QLineEdit;
class OvCustomNOButton;

/// The last page before destructive work in Erase Deleted Files, Erase Private Data and
/// Erase Private Fragments: precautions, the security level, the typed word, and the
/// posting of one erase task per checked category with exactly the ticked records.
class EraseSafeConfirm : public QWidget
{
    Q_OBJECT

public:
    EraseSafeConfirm(int feature, OvModel* model, QWidget* parent = nullptr);

    int feature() const { return m_feature; }
    OvModel* model() const { return m_model; }
    void SetTitle(const QString& title);
    void SetPicture(const QString& picture);
    /// Fill passes of the confirmed erase: 2 at High, 1 at Medium, 0 at Low.
    int FillPasses() const { return m_fillPasses; }

    /// Clears the typed word, makes sure the level file exists and shows the level in force.
    void Prepare();
    /// The level the next erase runs at (0 High, 1 Medium, 2 Low).
    int level() const { return m_level; }
    /// Category key to whether an erase task was queued for it, from the last Erase Now.
    QMap<QString, bool> eraseMap() const { return m_eraseMap; }

    /// The state of a category's box in the result view, by erase key.
    using CategoryState = std::function<Qt::CheckState(const QString&)>;
    /// Where the category boxes and the erase page come from: by default the result view
    /// and the erase page of the model of the current tab.
    void SetEraseTargets(CategoryState categoryState, DeviceRestartView* erasePage);

    /// Minutes the erase of a device with these figures takes at `passes` fill passes.
    static int EstimateMinutes(quint64 totalBytes, quint64 freeBytes, int passes);

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

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Posting;
    void showLevel(int level);
    void setWordStyle(bool wrong);
    int ask(const QString& text, const QString& title, int buttons, const QString& icon,
            const QString& yesText = QString(), const QString& noText = QString());
    bool postErases(int tab);

    int m_feature;
    OvModel* m_model;
    int m_level = 1;
    int m_fillPasses = 1;
    QMap<QString, bool> m_eraseMap;
    CategoryState m_categoryState;
    DeviceRestartView* m_erasePage = nullptr;

    QLabel* m_title = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_levelLink = nullptr;
    QLineEdit* m_word = nullptr;
    OvCustomNOButton* m_back = nullptr;
    OvCustomNOButton* m_eraseNow = nullptr;
};
