#pragma once

#include <QMap>
#include <QWidget>

class OvCustomNOButton;
class OvStyleProgressBar;
class QLabel;

/// The erase progress of Erase Private Fragments.
class EraseDataView : public QWidget
{
    Q_OBJECT

public:
    explicit EraseDataView(QWidget* parent = nullptr);

    /// App name to whether the user chose it; the page lists the chosen ones.
    void SetEraseMap(const QMap<QString, bool>& chosen);
    void SetProgress(int value);
    int Progress() const;
    QStringList ChosenNames() const { return m_chosen; }

signals:
    void signalEraseDataClickedStopBtn(int);

public slots:
    void OnClickedEraseDataStopBtn();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QStringList m_chosen;
    OvStyleProgressBar* m_bar = nullptr;
    QLabel* m_chosenLabel = nullptr;
    OvCustomNOButton* m_stop = nullptr;
};
