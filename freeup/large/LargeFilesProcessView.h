#pragma once

#include <QWidget>

class OvCustomNOButton;
class OvStyleCleanProcessProgressBar;
class QLabel;
class QMovie;

/// The progress page of a photo or large-file export or delete (pages 18, 19, 25, 26 of
/// the one-key model). The page index given at construction fixes the text, the
/// animation and the finish page it leads to.
class LargeFilesProcessView : public QWidget
{
    Q_OBJECT

public:
    explicit LargeFilesProcessView(int pageIndex, QWidget* parent = nullptr);

    /// Before a run: the bar at 1, nothing done, nothing running.
    void Reset();
    /// Whether SetViewData ends the page by itself once the last item is done.
    void SetFinishOnLastItem(bool finish) { m_finishOnLastItem = finish; }

    int PageIndex() const { return m_pageIndex; }
    int ProgressValue() const;
    /// The message of the page, without the count.
    QString Text() const;
    QString AnimationName() const { return m_animationName; }
    quint64 MaxValue() const { return m_maxValue; }
    int DoneCount() const { return m_doneCount; }
    quint64 DoneSize() const { return m_doneSize; }
    /// Minutes estimated from the total size: MiB / 150 + 1.
    int EstimateMinutes() const { return m_estimateMinutes; }
    /// `n` items done: the bar goes to (100 / maximum) × n.
    void ShowDone(int n);

signals:
    void onShowNextView(int);
    void onShowBackView();
    void onShowResultView(quint64);
    void onClickedCancel(quint64);

public slots:
    /// The number of items of the run.
    void SetMaxValue(quint64 value);
    /// The bytes of the run.
    void SetMaxSize(quint64 size);
    void StartScan(int id);
    void SetViewData(int id, quint64 value);
    void StopScan(int id);

private slots:
    void ShowResultView();
    void ClickedCancel();
    /// `n` items done: the bar goes to (100 / maximum) × n.
    void SetLargeFileView(int);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ShowCount();

    int m_pageIndex;
    int m_finishPage;
    QString m_text;
    QString m_animationName;
    QLabel* m_animationLabel = nullptr;
    QLabel* m_textLabel = nullptr;
    QMovie* m_movie = nullptr;
    OvStyleCleanProcessProgressBar* m_bar = nullptr;
    OvCustomNOButton* m_stopButton = nullptr;
    quint64 m_maxValue = 0;
    quint64 m_maxSize = 0;
    quint64 m_doneSize = 0;
    int m_doneCount = 0;
    int m_running = 0;
    int m_estimateMinutes = 1;
    bool m_finishOnLastItem = false;
    bool m_stopped = false;
};
