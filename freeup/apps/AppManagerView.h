#pragma once

#include "AppResultInfo.h"

#include <QVector>
#include <QWidget>

class AppManagerSubWidget;
class QTimer;
class QPushButton;
class QTableView;

namespace AppTable {
class Model;
}

/// The app list of the one-key model (page 30): the device's apps with their sizes, of
/// which the checked ones are removed one device task each, the table showing which app
/// is being removed and which are done.
class AppManagerView : public QWidget
{
    Q_OBJECT

public:
    enum RowState { Idle = 0, Removing = 1, Removed = 2 };

    explicit AppManagerView(QWidget* parent = nullptr);
    ~AppManagerView() override;

    /// Empties the table; the header unchecked, "Remove" disabled.
    void ClearTable();
    /// Fills the table from CGlobalData's app list, nothing checked (the list's flags too).
    void LoadApps();
    /// After a removal run: "Back" and the table usable again, the queue rebuilt from the
    /// checked rows, "Remove" enabled only while a row is checked.
    void ResetControls();
    /// One app was removed: the first queued row is marked done and its size counted,
    /// the next one marked in progress. Returns whether apps remain queued.
    bool TakeFinishedApp();
    /// Bytes of the apps removed in this run.
    quint64 RemovedTotal() const { return m_removedTotal; }

    int RowCount() const;
    /// Idle, Removing or Removed.
    int RowStatus(int row) const;
    bool IsRowChecked(int row) const;
    QString RowBundleId(int row) const;
    /// The icon file shown for a row: a file on this computer, or "app_default.png".
    QString RowIconName(int row) const;
    int QueuedCount() const { return m_queue.size(); }

signals:
    void onUIApp(AppResultInfo);
    void onUninstallFinshed(quint64 size);
    void onUninstallCheckedApp(int);
    void onShowBackView(int);

private slots:
    /// Adds one app's row (apps arriving one at a time).
    void UIAppSC(AppResultInfo app);
    /// The run ended having removed `size` bytes.
    void UIAllCheckAppSC(quint64 size);
    void SLOT_UninstallCheckedApp();
    void BySizeBubbleSort(int);
    void SetAppChecked(bool check);
    void SetUnintallPushButtonState(bool check);
    void slotShowBackView();

private:
    void BuildLayout();
    void SetRemoveEnabled(bool enabled);
    void WriteSharedFlags();
    void UpdateHeaderState();
    void PlaceHeaderCheckBox();
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppTable::Model* m_model = nullptr;
    QTableView* m_table = nullptr;
    AppManagerSubWidget* m_headerCheckBox = nullptr;
    QPushButton* m_backButton = nullptr;
    QPushButton* m_removeButton = nullptr;
    QTimer* m_spinner = nullptr;
    int m_spinnerAngle = 0;
    QVector<int> m_queue; // rows still to be removed, in table order
    quint64 m_removedTotal = 0;
    bool m_removing = false;
    bool m_sortDescending = true;
};
