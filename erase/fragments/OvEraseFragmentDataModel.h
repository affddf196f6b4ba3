#pragma once

#include "EraseModelBase.h"

class OvEraseFragmentDataModel : public EraseModelBase
{
    Q_OBJECT

public:
    /// The pages the main window shows itself when the device is back after the restart.
    enum Page : int { HomePage = 0, FinishedPage = 9 };

    explicit OvEraseFragmentDataModel(QWidget* parent = nullptr);
};
