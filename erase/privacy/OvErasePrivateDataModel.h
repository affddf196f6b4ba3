#pragma once

#include "EraseScanModel.h"

/// Erase Private Data: scans what still exists on the device and erases what the user picks.
class OvErasePrivateDataModel : public EraseScanModel
{
    Q_OBJECT

public:
    explicit OvErasePrivateDataModel(QWidget* parent = nullptr);
    ~OvErasePrivateDataModel() override;

    /// The one instance, or null (with a debug line) before it is built.
    static OvErasePrivateDataModel* GetInstance();
};
