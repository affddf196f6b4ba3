#pragma once

#include "EraseTableView.h"

/// Safari bookmarks.
class BookMarkView : public EraseTableView
{
    Q_OBJECT

public:
    explicit BookMarkView(int mode, QWidget* parent = nullptr);
};
