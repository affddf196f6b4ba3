#pragma once

#include "EraseTableView.h"

/// Calendar events and reminders.
class CallendarView : public EraseTableView
{
    Q_OBJECT

public:
    explicit CallendarView(int mode, QWidget* parent = nullptr);
};
