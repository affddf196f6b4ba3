#include "OvErasePrivateDataModel.h"

#include "CompleteEraseView.h"
#include "DeviceRestartView.h"
#include "EraseAllDataFailureView.h"
#include "EraseAllDataFinishedView.h"
#include "EraseSafeConfirm.h"
#include "EraseTabPage.h"
#include "ErasingReturnView.h"
#include "OvScanResultView.h"
#include "ScanAnalyzeView.h"

#include <QDebug>
#include <QStackedWidget>

namespace {
OvErasePrivateDataModel* s_instance = nullptr;
}

OvErasePrivateDataModel::OvErasePrivateDataModel(QWidget* parent)
    : EraseModelBase(3, QStringLiteral("erase_private_data_icon.png"), tr("Erase Private Data "),
                     tr("Erase paivate data securely and don't worry about security breaches."), tr("Scan"), parent)
{
    s_instance = this;
    setObjectName(QStringLiteral("erasePrivateDataModel"));

    m_analyze = new ScanAnalyzeView(3, this);
    m_result = new OvScanResultView(1, 3, this);
    m_confirm = new EraseSafeConfirm(3, this, this);
    m_confirm->SetTitle(tr("Erase Private Data"));
    m_confirm->SetPicture(QStringLiteral("erase_private_data_icon.png"));
    m_erase = new DeviceRestartView(3, DeviceRestartView::EraseMode, this);
    m_restore = new DeviceRestartView(3, DeviceRestartView::RestoreMode, this);
    m_fill = new CompleteEraseView(3, m_confirm, this);
    m_stopped = new ErasingReturnView(this);
    m_stopped->Prepare(3);
    m_failure = new EraseAllDataFailureView(this);
    m_finished = new EraseAllDataFinishedView(tr("Selected files have been erased thoroughly."), this);

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

OvErasePrivateDataModel::~OvErasePrivateDataModel()
{
    if (s_instance == this)
        s_instance = nullptr;
}

OvErasePrivateDataModel* OvErasePrivateDataModel::GetInstance()
{
    if (!s_instance)
        qDebug() << "has not init privatemodel";
    return s_instance;
}

bool OvErasePrivateDataModel::HasScanResult() const
{
    const int page = pages()->currentIndex();
    return page == ResultPage || page == ConfirmPage;
}

int OvErasePrivateDataModel::FillPasses() const
{
    return m_confirm->FillPasses();
}

void OvErasePrivateDataModel::DeviceAway()
{
    m_restore->RestartRestartTimer();
}

void OvErasePrivateDataModel::DeviceBack()
{
    m_restore->StopRestartTimer();
}
