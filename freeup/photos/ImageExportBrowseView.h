#pragma once

#include "ImagePreviewControls.h"

#include <QMap>
#include <QVector>
#include <QWidget>

class ImagePreviewScrollAreaStyle;
class OvStyleCheckBox;
class OvStyleComboBox;
class QLabel;
class QPushButton;

/// Page 17: every photo of the device by date, to choose which ones to export ("Export
/// Only") or to export and delete ("Backup & Delete"). Built for tens of thousands of
/// photos over thousands of days: the date groups are plain data laid out from their
/// counts alone, only the groups on screen get a (recycled) widget and only the rows on
/// screen get thumbnail cells.
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
    /// The date group `index` as data (key, photos, checked counts, place in the grid);
    /// null when out of range.
    const BrowseGroup* GroupData(int index) const;
    Qt::CheckState GroupState(int index) const;
    /// The top of group `index` in the grid's coordinates.
    int GroupTop(int index) const;
    /// The widget of group `index` while the group is on screen, else null.
    ImagePreviewControls* GroupWidget(int index) const { return m_widgets.value(index); }
    /// Group widgets that exist right now, on screen or kept for reuse.
    int GroupWidgetCount() const { return m_widgets.size() + m_spare.size(); }
    /// Checks or unchecks photo `position` of group `index`, on screen or not, as a click
    /// on its cell would.
    void SetPhotoChecked(int index, int position, bool checked);
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
    ImagePreviewControls* takeWidget(int index);
    void syncWidgets();
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

    QVector<BrowseGroup> m_groups;              // newest date first; never resized between loads
    QMap<int, ImagePreviewControls*> m_widgets; // by group, for the groups on screen
    QVector<ImagePreviewControls*> m_spare;     // hidden, bound to no group
    int m_layoutWidth = -1;
    int m_columns = 1;
    quint64 m_totalSize = 0;
};
