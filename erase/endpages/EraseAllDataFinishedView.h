#pragma once

#include <QWidget>

class QLabel;
class QMovie;
class QPushButton;

/// The page an erase ends on when everything went through.
class EraseAllDataFinishedView : public QWidget
{
    Q_OBJECT

public:
    explicit EraseAllDataFinishedView(const QString& text, QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const;

signals:
    void onDone();
    void SignalSwitchPage(int);

public slots:
    void slotOpenLink();
    void SLOT_twitterShare();
    void SLOT_googleShare();
    void DoneButtonClicked();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLabel* m_text = nullptr;
    QMovie* m_success = nullptr;
};
