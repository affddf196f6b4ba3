#pragma once

#include "EraseModelBase.h"

class OvEraseFragmentDataModel : public EraseModelBase
{
    Q_OBJECT

public:
    explicit OvEraseFragmentDataModel(QWidget* parent = nullptr);
};
