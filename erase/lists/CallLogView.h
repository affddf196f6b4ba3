#pragma once

#include "EraseTableView.h"

/// The call history, one row per call, with the call's kind in words.
class CallLogView : public EraseTableView
{
    Q_OBJECT

public:
    explicit CallLogView(int mode, QWidget* parent = nullptr);

    /// The words for the library's call kind ("incoming", "outgoing", ...).
    static QString CallTypeText(int kind);
};
