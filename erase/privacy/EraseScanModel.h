#pragma once

#include "EraseModelBase.h"

class CompleteEraseView;
class DeviceRestartView;
class EraseAllDataFailureView;
class EraseAllDataFinishedView;
class EraseSafeConfirm;
class ErasingReturnView;
class OvScanResultView;
class ScanAnalyzeView;

/// What Erase Private Data and Erase Deleted Files share: the same ten pages, the same
/// sequence, differing only in the feature number, the records the result keeps and the texts.
class EraseScanModel : public EraseModelBase
{
    Q_OBJECT

public:
    /// The pages, in the order the feature goes through them.
    enum Page : int {
        HomePage = 0,
        AnalyzePage = 1,
        ResultPage = 2,
        ConfirmPage = 3,
        ErasePage = 4,
        RestorePage = 5,
        FillPage = 6,
        StoppedPage = 7,
        FailurePage = 8,
        FinishedPage = 9
    };

    ScanAnalyzeView* analyzePage() const { return m_analyze; }
    OvScanResultView* resultView() const { return m_result; }
    EraseSafeConfirm* confirmPage() const { return m_confirm; }
    /// Page 4, waiting for the erase tasks.
    DeviceRestartView* erasePage() const { return m_erase; }
    /// Page 5, the restore and the restart.
    DeviceRestartView* restorePage() const { return m_restore; }
    CompleteEraseView* fillPage() const { return m_fill; }
    ErasingReturnView* stoppedPage() const { return m_stopped; }
    EraseAllDataFailureView* failurePage() const { return m_failure; }
    EraseAllDataFinishedView* finishedPage() const { return m_finished; }

    bool HasScanResult() const override;
    /// The passes of the erase the user confirmed.
    int FillPasses() const override;

protected:
    struct Texts
    {
        QString picture;
        QString title;
        QString description;
        QString confirmTitle;
        QString finished;
    };
    /// `resultMode` 0 keeps deleted records, 1 records that still exist.
    EraseScanModel(int feature, int resultMode, const Texts& texts, QWidget* parent);

private:
    ScanAnalyzeView* m_analyze = nullptr;
    OvScanResultView* m_result = nullptr;
    EraseSafeConfirm* m_confirm = nullptr;
    DeviceRestartView* m_erase = nullptr;
    DeviceRestartView* m_restore = nullptr;
    CompleteEraseView* m_fill = nullptr;
    ErasingReturnView* m_stopped = nullptr;
    EraseAllDataFailureView* m_failure = nullptr;
    EraseAllDataFinishedView* m_finished = nullptr;
};
