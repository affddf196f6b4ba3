#include "OvEraseDeletedFilesModel.h"

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
OvEraseDeletedFilesModel* s_instance = nullptr;
}

OvEraseDeletedFilesModel::OvEraseDeletedFilesModel(QWidget* parent)
    : EraseModelBase(2, QStringLiteral("erase_deleted_files_icon.png"), tr("Erase Deleted Files "),
                     tr("Erase deleted files outright and your secrets are gone forever."), tr("Scan"), parent)
{
    s_instance = this;
    setObjectName(QStringLiteral("eraseDeletedFilesModel"));

    m_analyze = new ScanAnalyzeView(2, this);
    m_result = new OvScanResultView(0, 2, this);
    m_confirm = new EraseSafeConfirm(2, this, this);
    m_confirm->SetTitle(tr("Erase Deleted Files"));
    m_confirm->SetPicture(QStringLiteral("erase_deleted_files_icon.png"));
    m_erase = new DeviceRestartView(2, DeviceRestartView::EraseMode, this);
    m_restore = new DeviceRestartView(2, DeviceRestartView::RestoreMode, this);
    m_fill = new CompleteEraseView(2, m_confirm, this);
    m_stopped = new ErasingReturnView(this);
    m_stopped->Prepare(2);
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

OvEraseDeletedFilesModel::~OvEraseDeletedFilesModel()
{
    if (s_instance == this)
        s_instance = nullptr;
}

OvEraseDeletedFilesModel* OvEraseDeletedFilesModel::GetInstance()
{
    if (!s_instance)
        qDebug() << "has not init deletedmodel";
    return s_instance;
}

bool OvEraseDeletedFilesModel::HasScanResult() const
{
    const int page = pages()->currentIndex();
    return page == ResultPage || page == ConfirmPage;
}

int OvEraseDeletedFilesModel::FillPasses() const
{
    return m_confirm->FillPasses();
}

void OvEraseDeletedFilesModel::DeviceAway()
{
    m_restore->RestartRestartTimer();
}

void OvEraseDeletedFilesModel::DeviceBack()
{
    m_restore->StopRestartTimer();
}
