#pragma once

#include "EraseTableView.h"

/// Safari's visited pages.
class SafariHistory : public EraseTableView
{
    Q_OBJECT

public:
    explicit SafariHistory(int mode, QWidget* parent = nullptr);
};
