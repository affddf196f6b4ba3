#pragma once

#include "EraseTableView.h"

/// The contacts: name, company, phones; the detail pane lists every number.
class ContactView : public EraseTableView
{
    Q_OBJECT

public:
    explicit ContactView(int mode, QWidget* parent = nullptr);
};
