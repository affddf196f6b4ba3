#pragma once

#include <QMap>
#include <QVector>
#include <QWidget>

class ImageControls;
class ImageTextWidget;
class OvStyleCheckBox;

/// A photo of the browse view: where it is in the shared all-photos list, what the grid
/// shows of it, and whether it is chosen.
struct BrowsePhoto
{
    int listIndex = -1; // in CGlobalData::m_obLPhotos when loaded
    qint64 id = 0;      // checked against the list before writing back
    quint64 size = 0;
    qint64 time = 0; // seconds since 1970, UTC
    QString thumbnail;
    QString name;
    bool checked = false;
};

/// One date of the photo grid as plain data. The browse view keeps one per date and makes
/// widgets only for those on screen, so the selection lives here, not in any widget.
struct BrowseGroup
{
    QString dateKey;
    QVector<BrowsePhoto> photos;
    int checkedCount = 0;
    quint64 checkedSize = 0;
    int top = 0; // in the grid's coordinates
    int height = 0;

    Qt::CheckState State() const;
    /// Counts the checked photos afresh (after loading).
    void Recount();
    /// Changes the flag and the counts; false when it already was so.
    bool SetChecked(int position, bool checked);
    void SetAllChecked(bool checked);
};

/// Copies the checked flags of `count` photos to the shared list under its lock.
void WriteBackChecked(const BrowsePhoto* photos, int count);

/// The widget of one date group on screen: a header check box "%1 photos" with the date,
/// and a grid of thumbnail cells. It shows a BrowseGroup owned by the browse view and can
/// be moved to another one (Bind), so that scrolling recycles a handful of widgets. The
/// height follows from the photo count and the column count alone; cells are made only
/// for the rows that ShowRange() asks for.
class ImagePreviewControls : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeaderHeight = 36;
    static constexpr int kSpacing = 12;
    static constexpr int kBottomMargin = 12;

    explicit ImagePreviewControls(BrowseGroup* group, QWidget* parent = nullptr);

    /// Height of a group of `count` photos in `columns` columns.
    static int HeightFor(int count, int columns);
    /// How many columns fit in `width`.
    static int ColumnsFor(int width);

    /// Shows `group` from now on, with no cells until ShowRange(); null makes it a spare.
    void Bind(BrowseGroup* group);
    BrowseGroup* Data() const { return m_group; }

    QString DateKey() const { return m_group ? m_group->dateKey : QString(); }
    int PhotoCount() const { return m_group ? m_group->photos.size() : 0; }
    int CheckedCount() const { return m_group ? m_group->checkedCount : 0; }
    quint64 CheckedSize() const { return m_group ? m_group->checkedSize : 0; }
    Qt::CheckState State() const { return m_group ? m_group->State() : Qt::Unchecked; }

    /// Lays the grid out in `columns` columns.
    void SetColumns(int columns);
    /// Makes cells for the rows that meet [top, bottom) (the group's own coordinates) and
    /// removes the others.
    void ShowRange(int top, int bottom);
    void ReleaseCells();
    /// Brings the header and the cells in line with the data after a change made elsewhere.
    void SyncChecks();
    OvStyleCheckBox* Header() const { return m_header; }
    int CellCount() const { return m_cells.size(); }
    /// The cell of photo `position`, when it is on screen.
    ImageControls* Cell(int position) const { return m_cells.value(position); }

    /// Checks or unchecks photo `position` as a click on its cell would.
    void SetPhotoChecked(int position, bool checked);

signals:
    /// The group's selection changed by the user or by a call.
    void signalSelectionChanged();

public slots:
    void slotCheckBoxChange(bool check);
    void slotCheckAllControlState();

private:
    void updateHeader();
    QRect cellRect(int position) const;

    BrowseGroup* m_group = nullptr;
    int m_columns = 1;
    OvStyleCheckBox* m_header;
    ImageTextWidget* m_date;
    QMap<int, ImageControls*> m_cells;
};
