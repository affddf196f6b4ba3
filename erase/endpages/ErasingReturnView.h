#pragma once

#include <QWidget>

/// The page an erase ends on when the user stopped it. Shown, it unlocks the tabs.
class ErasingReturnView : public QWidget
{
    Q_OBJECT

public:
    explicit ErasingReturnView(QWidget* parent = nullptr);

    /// Words the page for the feature that owns it (1 to 4).
    void Prepare(int feature);

signals:
    void signalEraseReturnClickedBtn();
    void SignalSwitchPage(int);

public slots:
    void OnClickedHomeBtn();
};
