#include "EraseScanModel.h"

#include "CompleteEraseView.h"
#include "DeviceRestartView.h"
#include "EraseAllDataFailureView.h"
#include "EraseAllDataFinishedView.h"
#include "EraseSafeConfirm.h"
#include "EraseTabPage.h"
#include "ErasingReturnView.h"
#include "OvScanResultView.h"
#include "ScanAnalyzeView.h"

#include <QStackedWidget>

EraseScanModel::EraseScanModel(int feature, int resultMode, const Texts& texts, QWidget* parent)
    : EraseModelBase(feature, texts.picture, texts.title, texts.description, tr("Scan"), parent)
{
    m_analyze = new ScanAnalyzeView(feature, this);
    m_result = new OvScanResultView(resultMode, feature, this);
    m_confirm = new EraseSafeConfirm(feature, this, this);
    m_confirm->SetTitle(texts.confirmTitle);
    m_confirm->SetPicture(texts.picture);
    m_erase = new DeviceRestartView(feature, DeviceRestartView::EraseMode, this);
    m_restore = new DeviceRestartView(feature, DeviceRestartView::RestoreMode, this);
    m_fill = new CompleteEraseView(feature, m_confirm, this);
    m_stopped = new ErasingReturnView(this);
    m_stopped->Prepare(feature);
    m_failure = new EraseAllDataFailureView(this);
    m_finished = new EraseAllDataFinishedView(texts.finished, this);

    AddPage(AnalyzePage, m_analyze);
    AddPage(ResultPage, m_result);
    AddPage(ConfirmPage, m_confirm);
    AddPage(ErasePage, m_erase);
    AddPage(RestorePage, m_restore);
    AddPage(FillPage, m_fill);
    AddPage(StoppedPage, m_stopped);
    AddPage(FailurePage, m_failure);
    AddPage(FinishedPage, m_finished);

    connect(startPage(), &EraseTabPage::SignalSwitchPage, this, &OvModel::SwitchPage);
    connect(m_analyze, &ScanAnalyzeView::SignalSwitchPage, this, &OvModel::SwitchPage);
    connect(m_result, &OvScanResultView::SignalSwitchPage, this, &OvModel::SwitchPage);
    connect(m_confirm, &EraseSafeConfirm::SignalSwitchPage, this, &OvModel::SwitchPage);
    connect(m_erase, &DeviceRestartView::SignalSwitchPage, this, &OvModel::SwitchPage);
    connect(m_restore, &DeviceRestartView::SignalSwitchPage, this, &OvModel::SwitchPage);
    connect(m_fill, &CompleteEraseView::SignalSwitchPage, this, &OvModel::SwitchPage);
    connect(m_stopped, &ErasingReturnView::SignalSwitchPage, this, &OvModel::SwitchPage);
    connect(m_failure, &EraseAllDataFailureView::SignalSwitchPage, this, &OvModel::SwitchPage);
    connect(m_finished, &EraseAllDataFinishedView::SignalSwitchPage, this, &OvModel::SwitchPage);

    // A scan starts from a clean result page even when the last one was left for the
    // confirmation and never came back (the device went away, say).
    connect(pages(), &QStackedWidget::currentChanged, this, [this](int page) {
        if (page == HomePage || page == AnalyzePage)
            m_result->ResetView();
    });
    SwitchPage(HomePage);
}

bool EraseScanModel::HasScanResult() const
{
    const int page = pages()->currentIndex();
    return page == ResultPage || page == ConfirmPage;
}

int EraseScanModel::FillPasses() const
{
    return m_confirm->FillPasses();
}
