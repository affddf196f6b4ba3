#pragma once

#include <QMap>
#include <QWidget>

/// The erase progress of Erase Private Fragments.
class EraseDataView : public QWidget
{
    Q_OBJECT

public:
    explicit EraseDataView(QWidget* parent = nullptr);

    /// App name to whether the user chose it; the page lists the chosen ones.
    void SetEraseMap(const QMap<QString, bool>& chosen);
    void SetProgress(int value);

signals:
    void signalEraseDataClickedStopBtn(int);

public slots:
    void OnClickedEraseDataStopBtn();
};
