#pragma once

#include <QVector>
#include <QWidget>

class ImagePreviewControls;
class ImagePreviewScrollAreaStyle;
class OvStyleCheckBox;
class OvStyleComboBox;
class QLabel;
class QPushButton;

/// Page 17: every photo of the device by date, to choose which ones to export ("Export
/// Only") or to export and delete ("Backup & Delete"). Built for tens of thousands of
/// photos: the groups are laid out from their counts alone and only the rows on screen
/// get thumbnail cells.
class ImageExportBrowseView : public QWidget
{
    Q_OBJECT

public:
    explicit ImageExportBrowseView(QWidget* parent = nullptr);

    /// Rebuilds the grid from the all-photos list of CGlobalData, keeping the list's
    /// checked flags, newest date first.
    void LoadPhotos();
    /// Brings the "Select All" box, the buttons and the selected figures up to date.
    void Refresh();

    int CheckedCount() const;
    quint64 CheckedSize() const;
    int GroupCount() const { return m_groups.size(); }
    ImagePreviewControls* Group(int index) const { return m_groups.value(index); }
    /// The top of group `index` in the grid's coordinates.
    int GroupTop(int index) const { return m_offsets.value(index); }
    /// Thumbnail cells that exist right now, in all groups.
    int CellCount() const;
    quint64 TotalSize() const { return m_totalSize; }

signals:
    void onStartExport(int);
    void onStartDelete(int);
    void onBackScanReslutView(int);

public slots:
    void onSliderChanged(int px, int py);

private slots:
    void slotExportDelete();
    void slotExportOnly();
    void slotShowBackView();
    void slotComboBox(int index);
    void slotCheckBoxSelectAll(bool check);
    void slotCheckBoxCurrentDate(bool check);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearGroups();
    void relayout(int width);
    bool startTask(int type);
    static void setCheckBoxState(OvStyleCheckBox* box, Qt::CheckState state);

    ImagePreviewScrollAreaStyle* m_scrollArea;
    QWidget* m_content;
    QLabel* m_totalLabel;
    QLabel* m_selectedLabel;
    OvStyleCheckBox* m_selectAll;
    OvStyleCheckBox* m_currentDate;
    OvStyleComboBox* m_dateCombo;
    QPushButton* m_backButton;
    QPushButton* m_exportButton;
    QPushButton* m_deleteButton;

    QVector<ImagePreviewControls*> m_groups;
    QVector<int> m_offsets; // top of each group in the content
    QVector<int> m_active;  // groups that hold cells
    int m_layoutWidth = -1;
    quint64 m_totalSize = 0;
    bool m_bulkChange = false;
};
