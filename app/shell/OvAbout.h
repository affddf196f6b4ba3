#pragma once

#include "OvStyleDialog.h"

/// About the program: icon, name, purpose and the file version of the running executable.
class OvAbout : public OvStyleDialog
{
    Q_OBJECT

public:
    explicit OvAbout(QWidget* parent = nullptr);
};
