#pragma once

#include "EraseModelBase.h"

class OvErasePrivateDataModel : public EraseModelBase
{
    Q_OBJECT

public:
    /// The pages the main window shows itself when the device is back after the restart.
    enum Page : int { HomePage = 0, FillPage = 6, FinishedPage = 9 };

    explicit OvErasePrivateDataModel(QWidget* parent = nullptr);
};
