#pragma once

#include <QWidget>

class OvCustomNOButton;
class OvStyleCleanProcessProgressBar;
class QLabel;
class QMovie;

/// The progress page of a long one-key clean: junk cleaning (page 5), the photo backup
/// before compression (page 13) or the compression itself (page 14). The page index
/// chooses the text, the animation and where "Stop" leads.
class TaskExecuteView : public QWidget
{
    Q_OBJECT

public:
    explicit TaskExecuteView(int pageIndex, QWidget* parent = nullptr);

    /// Counters, bar and stop mark back to the start of a run.
    void Reset();
    /// Items to do.
    int Maximum() const { return m_maximum; }
    int Done() const { return m_done; }
    quint64 SizeDone() const { return m_sizeDone; }
    int Percent() const;
    int RunningTasks() const { return m_running; }
    bool IsStopped() const { return m_stopped; }
    /// The line as shown, without markup.
    QString Text() const;

signals:
    void onShowNextView();
    void onShowBackView();
    void onShowResultView(quint64);
    void onClickedCancel(int);
    void ShowNextView(int);

public slots:
    void SetMaxValue(quint64 value);
    void SetMaxSize(int nCount);
    void StartScan(int id);
    void SetViewData(int id, quint64 value);
    void StopScan(int id);
    void SetExportData(int nCountNum);
    void SetExpressionData(int times, quint64 value);

private slots:
    void ShowResultView();
    void ClickedCancel();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString SizeText(quint64 bytes) const;
    void ShowProgress();
    void StartMovies();

    int m_pageIndex;
    int m_cancelPage;
    int m_maximum = 0;
    quint64 m_maxValue = 0;
    int m_done = 0;
    quint64 m_sizeDone = 0;
    int m_running = 0;
    bool m_stopped = false;

    QLabel* m_animationLabel = nullptr;
    QMovie* m_animation = nullptr;
    QLabel* m_barAnimationLabel = nullptr;
    QMovie* m_barAnimation = nullptr;
    QLabel* m_text = nullptr;
    OvStyleCleanProcessProgressBar* m_bar = nullptr;
    OvCustomNOButton* m_stopButton = nullptr;
};
