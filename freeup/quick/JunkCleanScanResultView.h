#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class TaskWidget;

/// The junk result (page 4): one row per junk category, the size of the checked rows, and
/// "Clean", which posts one clean per checked row and leaves for the progress page.
class JunkCleanScanResultView : public QWidget
{
    Q_OBJECT

public:
    explicit JunkCleanScanResultView(QWidget* parent = nullptr);

    /// Every row back to "Wait", unchecked; the selected total 0. Called when a scan starts.
    void ResetRows();
    /// Junk clean tasks posted by the last "Clean" whose end has not been reported yet.
    int PendingCleanTasks() const { return m_pendingTasks; }
    /// One clean task ended: lowers the count (never below 0) and returns what remains.
    int FinishCleanTask();
    quint64 SelectedSize() const { return m_selectedSize; }
    quint64 SelectedCount() const { return m_selectedCount; }
    /// The row of junk code `code`, or null.
    TaskWidget* Row(int code) const;
    /// The header line as shown, without markup.
    QString HeaderText() const;

signals:
    void onShowJunkCleanProess(int);
    void onBack(int);

public slots:
    void SLOT_ShowJunkCleanProess();
    void slotAddSize(quint64 size, quint64 count);
    void slotDelSize(quint64 size, quint64 count);
    void slotBack();
    /// A junk scan reply: gives the row of `code` its size and count.
    void UpdateResult(int code);

private:
    QString SizeText(quint64 bytes) const;
    void ShowSelected();

    static constexpr int kRowCount = 5;
    TaskWidget* m_rows[kRowCount] = {};
    QLabel* m_header = nullptr;
    QPushButton* m_cleanButton = nullptr;
    quint64 m_selectedSize = 0;
    quint64 m_selectedCount = 0;
    int m_pendingTasks = 0;
};
