#pragma once

#include "EraseTableView.h"

/// Safari's cookies with the size of what each one stores.
class SafariCookie : public EraseTableView
{
    Q_OBJECT

public:
    explicit SafariCookie(int mode, QWidget* parent = nullptr);
};
