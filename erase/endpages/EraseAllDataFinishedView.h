#pragma once

#include <QWidget>

/// The page an erase ends on when everything went through.
class EraseAllDataFinishedView : public QWidget
{
    Q_OBJECT

public:
    explicit EraseAllDataFinishedView(const QString& text, QWidget* parent = nullptr);

    void SetText(const QString& text);

signals:
    void onDone();
    void SignalSwitchPage(int);

public slots:
    void DoneButtonClicked();
};
