#pragma once

#include "OvStyleCheckBox.h"

/// A box that shows three states but offers the user two: a click on a partly checked box
/// checks everything, as people expect of a "select all" box.
class ListCheckBox : public OvStyleCheckBox
{
    Q_OBJECT

public:
    explicit ListCheckBox(const QString& text = {}, QWidget* parent = nullptr);

    /// Shows the state 0, 1 or 2 without reporting a click.
    void ShowState(int state);

protected:
    void nextCheckState() override;
};
