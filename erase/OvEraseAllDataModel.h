#pragma once

#include "EraseModelBase.h"

class OvEraseAllDataModel : public EraseModelBase
{
    Q_OBJECT

public:
    explicit OvEraseAllDataModel(QWidget* parent = nullptr);
};
