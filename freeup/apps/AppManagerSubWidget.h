#pragma once

#include "OvStyleCheckBox.h"

/// The check box of an app row, and of the app table's header: reports the user's clicks
/// as onCheckedState; a click on a partly checked box checks it.
class AppManagerSubWidget : public OvStyleCheckBox
{
    Q_OBJECT

public:
    explicit AppManagerSubWidget(QWidget* parent = nullptr);

signals:
    void onCheckedState(bool check);

protected:
    void nextCheckState() override;
};
