#pragma once

#include "EraseModelBase.h"

class DeviceRestartView;
class EraseSafeConfirm;
class OvScanResultView;

class OvEraseDeletedFilesModel : public EraseModelBase
{
    Q_OBJECT

public:
    /// The pages the main window shows itself when the device is back after the restart.
    enum Page : int { HomePage = 0, FillPage = 6, FinishedPage = 9 };

    explicit OvEraseDeletedFilesModel(QWidget* parent = nullptr);
    ~OvEraseDeletedFilesModel() override;

    /// The one instance, or null (with a debug line) before it is built.
    static OvEraseDeletedFilesModel* GetInstance();

    OvScanResultView* resultView() const { return m_result; }
    EraseSafeConfirm* confirmPage() const { return m_confirm; }
    /// Page 4, waiting for the erase tasks.
    DeviceRestartView* erasePage() const { return m_erase; }
    /// Page 5, the restore and the restart.
    DeviceRestartView* restorePage() const { return m_restore; }

private:
    OvScanResultView* m_result = nullptr;
    EraseSafeConfirm* m_confirm = nullptr;
    DeviceRestartView* m_erase = nullptr;
    DeviceRestartView* m_restore = nullptr;
};
