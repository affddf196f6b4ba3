#pragma once

#include "EraseScanModel.h"

/// Erase Deleted Files: scans what was deleted but can still be read, and overwrites what the
/// user picks.
class OvEraseDeletedFilesModel : public EraseScanModel
{
    Q_OBJECT

public:
    explicit OvEraseDeletedFilesModel(QWidget* parent = nullptr);
    ~OvEraseDeletedFilesModel() override;

    /// The one instance, or null (with a debug line) before it is built.
    static OvEraseDeletedFilesModel* GetInstance();
};
