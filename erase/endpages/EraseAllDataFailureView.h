#pragma once

#include <QWidget>

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

signals:
    void onHome();
    void SignalSwitchPage(int);

public slots:
    void TestClickedToHome();

private:
    Form m_form = Error;
};
