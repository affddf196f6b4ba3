#pragma once

#include "EraseModelBase.h"

class OvEraseAllDataModel : public EraseModelBase
{
    Q_OBJECT

public:
    /// The pages the main window shows itself when the device is back after the restart.
    enum Page : int { HomePage = 0, FillPage = 8, FinishedPage = 11 };

    explicit OvEraseAllDataModel(QWidget* parent = nullptr);
};
