#pragma once

#include "EraseModelBase.h"

class OvEraseDeletedFilesModel : public EraseModelBase
{
    Q_OBJECT

public:
    explicit OvEraseDeletedFilesModel(QWidget* parent = nullptr);
};
