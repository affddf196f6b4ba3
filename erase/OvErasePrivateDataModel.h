#pragma once

#include "EraseModelBase.h"

class OvErasePrivateDataModel : public EraseModelBase
{
    Q_OBJECT

public:
    explicit OvErasePrivateDataModel(QWidget* parent = nullptr);
};
