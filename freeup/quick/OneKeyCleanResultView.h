#pragma once

#include <QWidget>

class OneScanResultSubWidget;
class QLabel;

/// The quick-scan result (page 2): one row per category with what it can free, the total
/// that can still be freed and the space released since the last quick scan.
class OneKeyCleanResultView : public QWidget
{
    Q_OBJECT

public:
    /// Row numbers of RowSize().
    enum Row { JunkRow = 0, TempRow = 1, PhotoRow = 2, LargeFileRow = 3, AppRow = 4, RowCount = 5 };

    explicit OneKeyCleanResultView(QWidget* parent = nullptr);

    quint64 ReleasedTotal() const { return m_released; }
    quint64 RowSize(int row) const;
    OneScanResultSubWidget* RowWidget(int row) const;
    /// The two summary lines as shown, without markup.
    QString FreeableText() const;
    QString ReleasedText() const;

signals:
    void ShowJunkView(int);
    void ShowImageView(int);
    void ShowLargeFilesView(int);
    void ShowAppView(int);
    void ShowCacheView(int);
    void Rescan();
    void onBack();
    void onBackHome(int);

public slots:
    void slotRescan();
    void slotBackHome();
    void slotShowJunkView();
    void slotShowImageView();
    void slotShowLargeFilesView();
    void slotShowAppView();
    void slotShowCacheView();
    /// Recomputes the row of the category that device code `nTaskType` belongs to.
    void UpdateResultInfo(int nTaskType);
    /// nType 0 sets the released total to `size`; any other value adds `size` to it.
    void UpdateClearSize(quint64 size, int nType);

private:
    QString SizeText(quint64 bytes) const;
    void ShowFreeable();
    void ShowReleased();

    OneScanResultSubWidget* m_rows[RowCount] = {};
    QLabel* m_freeable = nullptr;
    QLabel* m_releasedLabel = nullptr;
    quint64 m_released = 0;
};
