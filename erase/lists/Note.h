#pragma once

#include "EraseTableView.h"

/// The notes; the detail pane shows the whole note.
class Note : public EraseTableView
{
    Q_OBJECT

public:
    explicit Note(int mode, QWidget* parent = nullptr);
};
