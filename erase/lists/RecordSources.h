#pragma once

#include "ChatPane.h"
#include "EraseListView.h"
#include "RecordTableModel.h"

#include <QHash>
#include <QPixmap>
#include <QVector>

#include <functional>
#include <memory>

// Binding of the list models to the record lists of CGlobalData: one record per row, or
// one group of records (a conversation) per row. The records' selected flag is the only
// state; nothing is copied.

/// The texts of a record's columns; the display cuts them to one line.
template<class T> using ColumnText = std::function<QString(const T& record, int column)>;

template<class T> RecordTableModel::Source RecordsOf(QVector<T>* list, ColumnText<T> text, QPixmap picture = {})
{
    RecordTableModel::Source source;
    source.count = [list] { return list->size(); };
    source.state = [list](int row) { return list->at(row).m_bSelected ? Qt::Checked : Qt::Unchecked; };
    source.setSelected = [list](int row, bool on) { (*list)[row].m_bSelected = on ? 1 : 0; };
    source.setAll = [list](bool on) {
        for (T& record : *list)
            record.m_bSelected = on ? 1 : 0;
    };
    source.overall = [list] {
        qint64 selected = 0;
        for (const T& record : qAsConst(*list))
            selected += record.m_bSelected ? 1 : 0;
        return EraseListView::StateOf(selected, list->size());
    };
    source.cell = [list, text, picture](int row, int column, int role) -> QVariant {
        if (role == Qt::DisplayRole)
            return EraseListView::LineText(text(list->at(row), column));
        if (role == Qt::ToolTipRole)
            return EraseListView::LineText(text(list->at(row), column), 1000);
        if (role == Qt::DecorationRole && column == 0 && !picture.isNull())
            return picture;
        return {};
    };
    return source;
}

/// Rows that each stand for the records at `groups[row]` (indexes into `list`).
using Groups = std::shared_ptr<const QVector<QVector<int>>>;

template<class T>
RecordTableModel::Source GroupsOf(QVector<T>* list, Groups shared,
                                  std::function<QString(const QVector<int>& group, int column)> text,
                                  QPixmap picture = {})
{
    RecordTableModel::Source source;
    source.count = [shared] { return shared->size(); };
    source.state = [list, shared](int row) {
        int selected = 0;
        const QVector<int>& group = shared->at(row);
        for (int index : group)
            selected += (index < list->size() && list->at(index).m_bSelected) ? 1 : 0;
        const int state = EraseListView::StateOf(selected, group.size());
        return state == 2 ? Qt::Checked : state == 1 ? Qt::PartiallyChecked : Qt::Unchecked;
    };
    source.setSelected = [list, shared](int row, bool on) {
        for (int index : shared->at(row)) {
            if (index < list->size())
                (*list)[index].m_bSelected = on ? 1 : 0;
        }
    };
    source.setAll = [list, shared](bool on) {
        for (const QVector<int>& group : qAsConst(*shared)) {
            for (int index : group) {
                if (index < list->size())
                    (*list)[index].m_bSelected = on ? 1 : 0;
            }
        }
    };
    source.overall = [list, shared] {
        qint64 selected = 0, total = 0;
        for (const QVector<int>& group : qAsConst(*shared)) {
            for (int index : group)
                selected += (index < list->size() && list->at(index).m_bSelected) ? 1 : 0;
            total += group.size();
        }
        return EraseListView::StateOf(selected, total);
    };
    source.cell = [shared, text, picture](int row, int column, int role) -> QVariant {
        if (role == Qt::DisplayRole)
            return EraseListView::LineText(text(shared->at(row), column));
        if (role == Qt::DecorationRole && column == 0 && !picture.isNull())
            return picture;
        return {};
    };
    return source;
}

/// Indexes of `list` grouped by `key`, groups in the order their first record appears.
template<class T>
QVector<QVector<int>> GroupIndexes(const QVector<T>& list, std::function<QString(const T&)> key,
                                   std::function<bool(const T&)> keep = {})
{
    QVector<QVector<int>> groups;
    QHash<QString, int> byKey;
    for (int i = 0; i < list.size(); ++i) {
        if (keep && !keep(list.at(i)))
            continue;
        const QString name = key(list.at(i));
        auto found = byKey.find(name);
        if (found == byKey.end()) {
            found = byKey.insert(name, groups.size());
            groups.append(QVector<int>());
        }
        groups[found.value()].append(i);
    }
    return groups;
}

/// Shows the conversation of `row` in `pane`, read from `list` as the pane scrolls; a row
/// that is gone, or a group emptied by a reload, clears the pane.
template<class T>
void ShowGroup(ChatPane* pane, QVector<T>* list, const Groups& shared, int row, std::function<QString(const T&)> title,
               std::function<void(const T&, ChatLine&)> fill)
{
    if (row < 0 || row >= shared->size() || shared->at(row).isEmpty()) {
        pane->Clear();
        return;
    }
    const QVector<int> group = shared->at(row);
    pane->ShowConversation(group.first() < list->size() ? title(list->at(group.first())) : QString(), group.size(),
                           [list, group, fill](int i) {
                               ChatLine line;
                               const int index = group.value(i, -1);
                               if (index >= 0 && index < list->size())
                                   fill(list->at(index), line);
                               return line;
                           });
}
