#pragma once

#include <QMap>
#include <QStringList>
#include <QVector>
#include <QWidget>

class OvFragmentAppItem;
class QPushButton;

/// Page 2 of Erase Private Fragments: the fifteen apps with what each left behind, to
/// choose those whose fragments go.
class OvFragmentAppView : public QWidget
{
    Q_OBJECT

public:
    explicit OvFragmentAppView(QWidget* parent = nullptr);

    /// App name to its measured size in bytes; apps absent or at 0 are greyed and
    /// unchosen. Every choice is cleared.
    void SetAppSizes(const QMap<QString, qint64>& sizes);
    /// The chosen apps, in the picker's order.
    QStringList ChosenApps() const;
    OvFragmentAppItem* item(const QString& name) const;
    QPushButton* eraseButton() const { return m_erase; }
    QPushButton* backButton() const { return m_back; }

signals:
    void signalClickedErase(int);
    void signalClickedBack(int);

public slots:
    void slotCheckedSingleAppState(int appId, bool checked);
    void checkEreaseButtonState();
    void slotClickedBackBtn();
    void slotClickedEraseNowBtn();

private:
    QVector<OvFragmentAppItem*> m_items;
    QPushButton* m_back = nullptr;
    QPushButton* m_erase = nullptr;
};
