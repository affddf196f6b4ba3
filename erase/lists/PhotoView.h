#pragma once

#include "EraseListView.h"

#include <QHash>
#include <QVector>

class EraseImageControls;
class ListCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;

/// Photos and videos as a grid by day ("yyyy-MM-dd"), newest first, with a box per day, a
/// "Select All" box and a filter to one day. The days are laid out from their counts alone;
/// tiles and day boxes exist only near the screen and are reused as it scrolls, so 30 000
/// photos cost a few dozen widgets.
class PhotoView : public EraseListView
{
    Q_OBJECT

public:
    explicit PhotoView(int mode, QWidget* parent = nullptr);
    ~PhotoView() override;

    int DayCount() const { return m_days.size(); }
    QString DayDate(int day) const { return m_days.value(day).date; }
    /// 0 none of the day's photos selected, 1 some, 2 all.
    int DayState(int day) const;
    /// Ticks or clears every photo of `day`, as its box does.
    void SetDayChecked(int day, bool on);
    /// The records' state: 0 none selected, 1 some, 2 all.
    int CheckState() const;
    /// Tiles and day boxes that exist now, on screen or kept for reuse.
    int TileCount() const { return m_tiles.size() + m_spareTiles.size(); }
    int DayBoxCount() const { return m_dayBoxes.size() + m_spareBoxes.size(); }
    /// The tile of photo `index` of the store while it is near the screen, else null.
    EraseImageControls* Tile(int index) const { return m_tiles.value(index); }
    ListCheckBox* SelectAllBox() const { return m_selectAll; }
    QComboBox* DayFilter() const { return m_dayFilter; }
    QScrollArea* Grid() const { return m_scroll; }

signals:
    /// The same report as checkCheckSignal, under the name the result tree connects.
    void SlotStateChanged(int state);

public slots:
    void receiveLeftCheckBoxState(bool on) override;
    void slotCheckBoxSelectAll(bool check);
    /// Shows one day (index of the filter box: 0 every day, then the days in order).
    void slotDayFilter(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Day
    {
        QString date;
        QVector<int> photos; // indexes into the store's list
        int selected = 0;
        int top = -1; // in the grid; -1 while filtered out
        int rows = 0;
    };

    void Relayout();
    void Sync();
    void Report();
    void Recount(Day& day);
    void TileChanged(EraseImageControls* tile);
    void RefreshShown();
    /// Moves the focus to photo `position` of `day`, scrolling it into view.
    void FocusPhoto(int day, int position);
    EraseImageControls* TakeTile();
    ListCheckBox* TakeDayBox();

    QVector<Day> m_days;
    QVector<int> m_dayOfPhoto; // by photo index
    qint64 m_selected = 0;
    qint64 m_total = 0;
    int m_filter = -1;
    int m_columns = 1;

    ListCheckBox* m_selectAll;
    QComboBox* m_dayFilter;
    QLabel* m_countLabel;
    QScrollArea* m_scroll;
    QWidget* m_content;
    QHash<int, EraseImageControls*> m_tiles; // by photo index
    QVector<EraseImageControls*> m_spareTiles;
    QHash<int, ListCheckBox*> m_dayBoxes; // by day
    QVector<ListCheckBox*> m_spareBoxes;
};
