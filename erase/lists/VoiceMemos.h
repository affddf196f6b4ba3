#pragma once

#include "EraseListView.h"

class ListCheckBox;
class QListView;
class RecordTableModel;

/// Voice memos as a grid of tiles; the context menu checks or unchecks them all.
class VoiceMemos : public EraseListView
{
    Q_OBJECT

public:
    explicit VoiceMemos(int mode, QWidget* parent = nullptr);

    QListView* Grid() const { return m_grid; }
    RecordTableModel* Model() const { return m_model; }
    ListCheckBox* HeaderBox() const { return m_selectAll; }

public slots:
    void receiveLeftCheckBoxState(bool on) override;

private:
    void UserChanged();
    void ShowMenu(const QPoint& position);

    RecordTableModel* m_model;
    QListView* m_grid;
    ListCheckBox* m_selectAll;
};
