#pragma once

#include <QWidget>

class OvCustomNOButton;
class OvProgressBarGif;
class QLabel;
class QMovie;

/// The scanning page of the 1-Click Free Up Space feature: an animation of the device, a
/// line of text, the time estimate and a Stop button. Stopping leaves for the page that
/// shows what has arrived (the quick-scan result when this is page 1, else the home page).
class OvStyleScanProcessView : public QWidget
{
    Q_OBJECT

public:
    /// `pageIndex` is this page's index in its model; `animation` the skin animation of the
    /// device ("files_scanning.gif").
    explicit OvStyleScanProcessView(int pageIndex, const QString& animation = QString(), QWidget* parent = nullptr);

    /// Starts the estimate at 5 minutes.
    void StartAnimation();
    /// Starts the estimate from the device's capacity: (used space in GiB) / 3 + 2 minutes.
    void StartAnimationWithEstimate(quint64 totalSpace, quint64 freeSpace);
    void SetText(const QString& text);
    void ResetCount() { m_replyCount = 0; }

    int PageIndex() const { return m_pageIndex; }
    int ReplyCount() const { return m_replyCount; }
    QString Text() const;
    OvProgressBarGif* Progress() const { return m_progress; }

    /// StartAnimationWithEstimate's minutes.
    static int ScanEstimateMinutes(quint64 totalSpace, quint64 freeSpace);

signals:
    void ShowNextView(int);
    /// The user confirmed Stop: the owner stops the device work before the page leaves.
    void StopRequested();

public slots:
    /// Counts one scan reply while the page is shown.
    void StartScan(int);
    /// Asks whether to stop; on Yes, while still shown, asks for the device work to stop
    /// (StopRequested) and leaves.
    void StopScan();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void fitText();

    int m_pageIndex;
    int m_replyCount = 0;
    QLabel* m_animationLabel = nullptr;
    QMovie* m_animation = nullptr;
    QLabel* m_textLabel = nullptr;
    OvProgressBarGif* m_progress = nullptr;
    OvCustomNOButton* m_stopButton = nullptr;
};
