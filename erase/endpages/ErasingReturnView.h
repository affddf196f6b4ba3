#pragma once

#include <QWidget>

class QLabel;

/// The page an erase ends on when the user stopped it. Shown, it unlocks the tabs.
class ErasingReturnView : public QWidget
{
    Q_OBJECT

public:
    explicit ErasingReturnView(QWidget* parent = nullptr);

    /// Words the page for the feature that owns it (1 to 4); the deletion counts as not
    /// done until SetDeletionDone says otherwise.
    void Prepare(int feature);
    /// Whether the erase itself had finished when the user stopped (only the fill stopped).
    void SetDeletionDone(bool done);
    int feature() const { return m_feature; }
    bool deletionDone() const { return m_deletionDone; }

signals:
    void signalEraseReturnClickedBtn();
    void SignalSwitchPage(int);

public slots:
    void OnClickedHomeBtn();

protected:
    void showEvent(QShowEvent* event) override;

private:
    int m_feature = 0;
    bool m_deletionDone = false;
    QLabel* m_picture = nullptr;
    QLabel* m_deletionDescription = nullptr;
    QLabel* m_deletionIcon = nullptr;
    QLabel* m_deletionState = nullptr;
    QWidget* m_erasureRow = nullptr;
};
