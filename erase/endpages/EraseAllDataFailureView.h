#pragma once

#include <QWidget>

class QLabel;

/// The page an erase ends on when it failed or was stopped, with which steps ran.
class EraseAllDataFailureView : public QWidget
{
    Q_OBJECT

public:
    enum Form : int { Error = 0, Completed = 1, StoppedDeletionFailed = 2, StoppedDeletionDone = 3 };

    explicit EraseAllDataFailureView(QWidget* parent = nullptr);

    /// Chosen by the owning model before the page is shown; `fillPlanned` tells whether a
    /// fill pass was part of the erase.
    void SetForm(Form form, bool fillPlanned);
    Form form() const { return m_form; }
    bool fillPlanned() const { return m_fillPlanned; }

signals:
    void onHome();
    void SignalSwitchPage(int);

public slots:
    void slotWhyFialed(QString url);
    void TestClickedToHome();

private:
    Form m_form = Error;
    bool m_fillPlanned = true;
    QLabel* m_title = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_deletionState = nullptr;
    QLabel* m_erasureState = nullptr;
    QWidget* m_failedRow = nullptr;
};
