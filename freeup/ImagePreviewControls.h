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

/// One date of the photo grid: a header check box "%1 photos" with the date, and a grid of
/// thumbnail cells. The group's height follows from its photo count and the column count
/// alone, so that the whole grid can be laid out without a single cell; cells are made only
/// for the rows that ShowRange() asks for.
class ImagePreviewControls : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeaderHeight = 36;
    static constexpr int kSpacing = 12;
    static constexpr int kBottomMargin = 12;

    ImagePreviewControls(const QString& dateKey, const QVector<BrowsePhoto>& photos, QWidget* parent = nullptr);

    /// Height of a group of `count` photos in `columns` columns.
    static int HeightFor(int count, int columns);
    /// How many columns fit in `width`.
    static int ColumnsFor(int width);

    QString DateKey() const { return m_dateKey; }
    int PhotoCount() const { return m_photos.size(); }
    const QVector<BrowsePhoto>& Photos() const { return m_photos; }
    int CheckedCount() const { return m_checkedCount; }
    quint64 CheckedSize() const { return m_checkedSize; }
    Qt::CheckState State() const;

    /// Lays the grid out in `columns` columns; returns the new height.
    int SetColumns(int columns);
    /// Makes cells for the rows that meet [top, bottom) (the group's own coordinates) and
    /// removes the others.
    void ShowRange(int top, int bottom);
    void ReleaseCells();
    /// The header check box, once the group has been on screen.
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
    void setChecked(int position, bool checked);
    void ensureHeader();
    void updateHeader();
    QRect cellRect(int position) const;

    QString m_dateKey;
    QVector<BrowsePhoto> m_photos;
    int m_columns = 1;
    int m_checkedCount = 0;
    quint64 m_checkedSize = 0;
    OvStyleCheckBox* m_header = nullptr; // made when first on screen
    ImageTextWidget* m_date = nullptr;
    QMap<int, ImageControls*> m_cells;
};
