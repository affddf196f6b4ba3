#include "OvEraseFragmentDataModel.h"

#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "CompleteEraseView.h"
#include "DeviceRestartView.h"
#include "Durations.h"
#include "EraseAllDataFailureView.h"
#include "EraseAllDataFinishedView.h"
#include "EraseDataView.h"
#include "EraseSafeConfirm.h"
#include "EraseTabPage.h"
#include "ErasingReturnView.h"
#include "FragmentApps.h"
#include "Log.h"
#include "MainWindowAccess.h"
#include "OvFragmentAppView.h"
#include "OvMessageBox.h"
#include "ScanAnalyzeView.h"

#include <QDebug>
#include <QStackedWidget>
#include <QTimer>

#include <mutex>

namespace {

OvEraseFragmentDataModel* s_instance = nullptr;

constexpr int kBackupStopped = 1003;

QStringList AllAppNames()
{
    QStringList names;
    for (const FragmentApp& app : FragmentApps())
        names << app.name;
    return names;
}

} // namespace

OvEraseFragmentDataModel::OvEraseFragmentDataModel(QWidget* parent)
    : EraseModelBase(4, QStringLiteral("erase_fragments_icon.png"), tr("Erase Incomplete Private Fragments"),
                     tr("The most complete and in-depth erasure for third-party Apps!"), tr("Scan"), parent)
{
    s_instance = this;
    setObjectName(QStringLiteral("eraseFragmentDataModel"));

    auto* analysis = new ScanAnalyzeView(feature(), this);
    // This feature drives the analysis bar itself: its backup follows the app sizes.
    connect(this, &OvEraseFragmentDataModel::signalUpdateBackupData, analysis,
            &ScanAnalyzeView::slotUpdateBackupProcess);
    connect(analysis, &ScanAnalyzeView::SignalSwitchPage, this, &OvEraseFragmentDataModel::slotScanStop);
    m_analysis = analysis;
    m_apps = new OvFragmentAppView(this);
    m_confirm = new EraseSafeConfirm(feature(), this, this);
    m_confirm->SetTitle(tr("Erase Private Fragments  "));
    m_confirm->SetPicture(QStringLiteral("erase_fragments_icon.png"));
    m_erase = new EraseDataView(this);
    m_restore = new DeviceRestartView(feature(), DeviceRestartView::RestoreMode, this);
    m_stopped = new ErasingReturnView(this);
    m_stopped->Prepare(feature());
    m_fill = new CompleteEraseView(feature(), m_confirm, this);
    m_failure = new EraseAllDataFailureView(this);
    m_finished = new EraseAllDataFinishedView(tr("Seleted data have been erased completely."), this);
    const QList<QWidget*> views { m_analysis, m_apps, m_confirm, m_erase,   m_restore,
                                  m_stopped,  m_fill, m_failure, m_finished };
    for (int i = 0; i < views.size(); ++i)
        AddPage(AnalysisPage + i, views.at(i));

    m_waitTimer = new QTimer(this);
    m_waitTimer->setSingleShot(true);
    connect(m_waitTimer, &QTimer::timeout, this, &OvEraseFragmentDataModel::slotWaitTime);

    connect(startPage(), &EraseTabPage::SignalSwitchPage, this, &OvEraseFragmentDataModel::slotScanAppSize);
    connect(m_apps, &OvFragmentAppView::signalClickedErase, this, &OvEraseFragmentDataModel::slotFragmentPage);
    connect(m_apps, &OvFragmentAppView::signalClickedBack, this, &OvModel::SwitchPage);
    // Nothing will be erased from the analysis backup once its result is given up.
    connect(m_apps, &OvFragmentAppView::signalClickedBack, this,
            [] { CController::GetInstance()->PostRemoveBackupTask(); });
    connect(m_confirm, &EraseSafeConfirm::SignalSwitchPage, this, &OvEraseFragmentDataModel::slotStartErase);
    connect(m_confirm, &EraseSafeConfirm::signalClickedCancelBtn, this, &OvModel::SwitchPage);
    connect(m_erase, &EraseDataView::signalEraseDataClickedStopBtn, this, &OvEraseFragmentDataModel::slotEraseStop);
    connect(m_restore, &DeviceRestartView::SignalSwitchPage, this, &OvEraseFragmentDataModel::slotRestoreStop);
    connect(m_restore, &DeviceRestartView::SignalFragmentFailPage, this, &OvEraseFragmentDataModel::slotRestoreStop);
    connect(m_fill, &CompleteEraseView::SignalSwitchPage, this, &OvEraseFragmentDataModel::slotFillStop);
    connect(m_stopped, &ErasingReturnView::SignalSwitchPage, this, &OvModel::SwitchPage);
    connect(m_failure, &EraseAllDataFailureView::SignalSwitchPage, this, &OvModel::SwitchPage);
    connect(m_finished, &EraseAllDataFinishedView::SignalSwitchPage, this, &OvModel::SwitchPage);
    // Whatever ends on the start page ends the erase under way with it.
    connect(pages(), &QStackedWidget::currentChanged, this, [this](int index) {
        if (index == HomePage) {
            resetErase();
            m_sizeRequest = SizeRequest::None;
        }
    });

    CTaskCallback* callback = CTaskCallback::GetInstance();
    connect(callback, &CTaskCallback::signalBackupDevData, this, &OvEraseFragmentDataModel::slotFragmentBackupCallback);
    connect(callback, &CTaskCallback::signalLoadAppSize, this, &OvEraseFragmentDataModel::slotAppSizeCallback);
    connect(callback, &CTaskCallback::signalFillDataSignal, this, &OvEraseFragmentDataModel::SlotFragmentFillCallback);
    connect(callback, &CTaskCallback::signalEraseWhatsAppData, this, &OvEraseFragmentDataModel::slotEraseWhatappsData);
    connect(callback, &CTaskCallback::signalEraseWeChatData, this, &OvEraseFragmentDataModel::slotEraseWechatData);
    connect(callback, &CTaskCallback::signalEraseViberData, this, &OvEraseFragmentDataModel::slotEraseViberData);
    connect(callback, &CTaskCallback::signalEraseKikData, this, &OvEraseFragmentDataModel::slotEraseKikData);
}

OvEraseFragmentDataModel::~OvEraseFragmentDataModel()
{
    if (s_instance == this)
        s_instance = nullptr;
}

OvEraseFragmentDataModel* OvEraseFragmentDataModel::GetInstance()
{
    if (!s_instance)
        qDebug() << "has not init fragmentmodel";
    return s_instance;
}

bool OvEraseFragmentDataModel::onFeatureTab() const
{
    const MainWindowAccess* window = MainWindowAccess::instance();
    return window && window->currentTabIndex() == feature();
}

void OvEraseFragmentDataModel::lockTabs(bool locked)
{
    if (MainWindowAccess* window = MainWindowAccess::instance())
        window->enableTabs(!locked);
}

bool OvEraseFragmentDataModel::HasScanResult() const
{
    const int page = pages()->currentIndex();
    return page == AppListPage || page == ConfirmPage;
}

void OvEraseFragmentDataModel::StopScan(int level)
{
    SetSecurityLevel(level);
    CController* controller = CController::GetInstance();
    controller->StopDeviceJob(0);
    controller->PostRemoveBackupTask();
    lockTabs(false);
    SwitchPage(HomePage);
}

LocalConfig::GroupedValues OvEraseFragmentDataModel::AppSpaceFigures() const
{
    LocalConfig::GroupValues figures;
    for (const FragmentApp& app : FragmentApps())
        figures.insert(app.sizeKey, QString::number(m_sizesAtErase.value(app.name)));
    figures.insert(QStringLiteral("LastDevUsedSpaceSize"), QString::number(m_usedAtErase));
    const QString device = CGlobalData::GetInstance()->m_strDeviceKey;
    return { { device.isEmpty() ? QStringLiteral("Device") : device, figures } };
}

void OvEraseFragmentDataModel::RefreshAppList()
{
    resetErase();
    requestAppSizes(SizeRequest::Refresh);
    CController::GetInstance()->PostRemoveBackupTask();
}

void OvEraseFragmentDataModel::requestAppSizes(SizeRequest purpose)
{
    m_sizeRequest = purpose;
    if (!CController::GetInstance()->PostLoadAppSizeTask(m_appList.isEmpty() ? AllAppNames() : m_appList))
        m_sizeRequest = SizeRequest::None;
}

void OvEraseFragmentDataModel::slotScanAppSize(int page)
{
    m_appList = AllAppNames();
    m_bundleIds.clear();
    m_apps->SetAppSizes({});
    resetErase();
    lockTabs(true);
    emit signalUpdateBackupData(0);
    requestAppSizes(SizeRequest::Scan);
    if (m_sizeRequest == SizeRequest::None) {
        // No device any more: the main window is about to show the connection page.
        lockTabs(false);
        return;
    }
    SwitchPage(page);
}

void OvEraseFragmentDataModel::slotAppSizeCallback()
{
    if (!onFeatureTab())
        return;
    QMap<QString, qint64> sizes;
    QMap<QString, QString> bundleIds;
    {
        CGlobalData* store = CGlobalData::GetInstance();
        std::unique_lock<std::mutex> lock(store->OneKeyLock());
        sizes = store->m_mapAppDataSize;
        bundleIds = store->m_mapAppBundleId;
    }
    const SizeRequest purpose = m_sizeRequest;
    m_sizeRequest = SizeRequest::None;
    switch (purpose) {
    case SizeRequest::Scan:
        // A scan stopped meanwhile asks for no backup.
        if (pages()->currentIndex() != AnalysisPage)
            return;
        m_apps->SetAppSizes(sizes);
        m_sizesAtErase = sizes;
        m_bundleIds = bundleIds;
        if (!CController::GetInstance()->PostBackupDevDataTask()) {
            lockTabs(false);
            SwitchPage(HomePage);
        }
        return;
    case SizeRequest::EraseStart:
        // Never a backup here: it would bring back what the erase is about to remove.
        if (!sizes.isEmpty())
            m_sizesAtErase = sizes;
        return;
    case SizeRequest::Refresh:
        m_apps->SetAppSizes(sizes);
        return;
    case SizeRequest::None:
        return;
    }
}

void OvEraseFragmentDataModel::slotFragmentBackupCallback(int type, int nParam)
{
    if (!onFeatureTab() || pages()->currentIndex() != AnalysisPage)
        return;
    if (type == OV_NOTIFY_BACKUP_END) {
        lockTabs(false);
        SwitchPage(AppListPage);
        emit signalUpdateBackupData(1);
    } else if (type == OV_NOTIFY_BACKUP_PROGRESS) {
        emit signalUpdateBackupData(nParam);
    } else {
        SwitchPage(HomePage);
        lockTabs(false);
        if (nParam != kBackupStopped)
            showBackupFailure(nParam);
    }
}

void OvEraseFragmentDataModel::showBackupFailure(int code)
{
    OvMessageBox::Ask(this, ScanAnalyzeView::FailureText(code), OvMessageBox::OK, QString(),
                      tr("Data Analysis Failed"));
}

void OvEraseFragmentDataModel::slotFragmentPage(int page)
{
    m_confirm->SetPicture(QStringLiteral("erase_fragments_icon.png"));
    SwitchPage(page);
}

void OvEraseFragmentDataModel::slotStartErase(int page)
{
    Q_UNUSED(page)
    // A second confirmation while an erase runs starts nothing.
    if (m_erasing)
        return;
    m_eraseMap.clear();
    lockTabs(true);
    m_erase->SetEraseMap({});
    m_erase->SetProgress(0);
    // The fill page shows what its own progress signal carries.
    emit m_fill->signalUpdateFillProcess(0);
    const CGlobalData* store = CGlobalData::GetInstance();
    m_usedAtErase = store->m_nTotalSpace > store->m_nFreeSpace ? store->m_nTotalSpace - store->m_nFreeSpace : 0;
    // The confirmation page erases at the process-wide level, which the Tools menu may also
    // have changed while the page was open.
    SetSecurityLevel(MainWindowAccess::securityLevel());
    m_passes = FillPasses();
    m_remaining = m_passes;
    m_erasing = true;
    if (m_passes > 0) {
        if (!CController::GetInstance()->PostFillDataTask()) {
            showFailure();
            return;
        }
        SwitchPage(FillPage);
        return;
    }
    m_remaining = 1;
    requestAppSizes(SizeRequest::EraseStart);
    startErase();
}

void OvEraseFragmentDataModel::SlotFragmentFillCallback(int type, int value)
{
    if (!onFeatureTab() || !m_erasing || pages()->currentIndex() != FillPage || m_passes <= 0)
        return;
    if (type == OV_NOTIFY_ITEM_DONE) {
        emit m_fill->signalUpdateFillProcess(qBound(0, (m_passes - m_remaining) * 50 + value / m_passes, 100));
    } else if (type == OV_NOTIFY_READY) {
        if (m_remaining != 2) {
            requestAppSizes(SizeRequest::EraseStart);
            startErase();
        } else {
            --m_remaining;
            if (!CController::GetInstance()->PostFillDataTask())
                showFailure();
        }
    } else {
        showFailure();
    }
}

void OvEraseFragmentDataModel::startErase()
{
    CController* controller = CController::GetInstance();
    const QStringList chosen = m_apps->ChosenApps();
    if (chosen.isEmpty()) {
        // Nothing left to erase (the choice cannot be empty from the picker): back to it.
        resetErase();
        lockTabs(false);
        SwitchPage(AppListPage);
        return;
    }
    QList<QPair<QString, QString>> withoutTask;
    QStringList withoutTaskNames;
    for (const QString& name : m_appList) {
        const bool isChosen = chosen.contains(name);
        m_eraseMap.insert(name, isChosen);
        const int index = FragmentAppIndex(name);
        if (isChosen && index >= 0 && !FragmentApps().at(index).ownEraseTask) {
            withoutTask << qMakePair(name, m_bundleIds.value(name));
            withoutTaskNames << name;
        }
    }
    // WeChat has no erase task in this feature: its fragments go with those of every other
    // app without one, through the device's app-fragment erase, queued before the restore
    // so that the control thread has run it on the backup when the restore writes the
    // backup back. Its end flag is therefore never waited for; it is set so that a flag
    // left by an earlier interrupted erase cannot hold the restore back forever.
    m_weChatEnded = true;
    if (!withoutTask.isEmpty() && !controller->PostEraseAppFragmentsTask(withoutTask)) {
        // Rather no erase than a finished page over apps whose fragments are still there.
        OvMessageBox::Ask(this,
                          tr("The fragments of %1 cannot be erased on this device. Nothing was erased.")
                              .arg(withoutTaskNames.join(QStringLiteral(", "))),
                          OvMessageBox::OK, QStringLiteral("/tip_warning.png"), tr("Data Erasing Failed"));
        showFailure();
        return;
    }
    auto queueOwn = [&](const QString& name, bool& ended, bool (CController::*post)(int, const QList<quint32>&)) {
        if (!m_eraseMap.value(name))
            return;
        // Mode 0: the whole category's deleted records, which is what the app left behind.
        ended = !(controller->*post)(0, {});
    };
    queueOwn(QStringLiteral("WhatsApp"), m_whatsAppEnded, &CController::PostEraseWhatsAppDataTask);
    queueOwn(QStringLiteral("Kik"), m_kikEnded, &CController::PostEraseKikDataTask);
    queueOwn(QStringLiteral("Viber"), m_viberEnded, &CController::PostEraseViberDataTask);
    m_erase->SetEraseMap(m_eraseMap);
    if (m_whatsAppEnded && m_weChatEnded && m_kikEnded && m_viberEnded) {
        m_restoreQueued = true;
        if (!controller->PostRestoreDevDataTask(1)) {
            showFailure();
            return;
        }
        FileLog("OvEraseFragmentDataModel slotStartErase");
        m_erase->SetProgress(100);
    }
    SwitchPage(ErasePage);
    m_waitTimer->start(scaledMs(5000));
}

void OvEraseFragmentDataModel::slotEraseWhatappsData()
{
    m_whatsAppEnded = true;
    checkEraseFinished();
}

void OvEraseFragmentDataModel::slotEraseWechatData()
{
    m_weChatEnded = true;
    checkEraseFinished();
}

void OvEraseFragmentDataModel::slotEraseViberData()
{
    m_viberEnded = true;
    checkEraseFinished();
}

void OvEraseFragmentDataModel::slotEraseKikData()
{
    m_kikEnded = true;
    checkEraseFinished();
}

void OvEraseFragmentDataModel::checkEraseFinished()
{
    if (!onFeatureTab() || !m_erasing || m_restoreQueued)
        return;
    const QList<bool> ended { m_whatsAppEnded, m_weChatEnded, m_kikEnded, m_viberEnded };
    const int pending = static_cast<int>(ended.count(false));
    int queued = 0;
    for (const QString& name : { QStringLiteral("WhatsApp"), QStringLiteral("Kik"), QStringLiteral("Viber") })
        queued += m_eraseMap.value(name) ? 1 : 0;
    if (queued > 0)
        m_erase->SetProgress(100 * (queued - pending) / queued);
    if (pending > 0)
        return;
    m_waitTimer->start(scaledMs(5000));
    lockTabs(true);
    m_restoreQueued = true;
    if (!CController::GetInstance()->PostRestoreDevDataTask(1)) {
        showFailure();
        return;
    }
    FileLog("OvEraseFragmentDataModel CheckEraseFinish");
    FileLog("Fragment restore data start.");
}

void OvEraseFragmentDataModel::slotWaitTime()
{
    if (pages()->currentIndex() == ErasePage)
        SwitchPage(RestorePage);
}

void OvEraseFragmentDataModel::slotScanStop(int page)
{
    SwitchPage(page);
    lockTabs(false);
    CController::GetInstance()->StopDeviceJob(0);
}

void OvEraseFragmentDataModel::slotEraseStop(int page)
{
    resetErase();
    SwitchPage(page);
    lockTabs(false);
    CController::GetInstance()->StopTasks();
}

void OvEraseFragmentDataModel::slotRestoreStop(int page)
{
    Q_UNUSED(page)
    // A failed restore may report while the erase page still shows; after the erase nothing
    // of the restore page's may move the model.
    const int shown = pages()->currentIndex();
    if (shown != ErasePage && shown != RestorePage)
        return;
    resetErase();
    // The stopped page unlocks the tabs itself; a stop must never leave them locked.
    lockTabs(false);
    SwitchPage(StoppedPage);
}

void OvEraseFragmentDataModel::slotFillStop(int page)
{
    Q_UNUSED(page)
    if (pages()->currentIndex() != FillPage)
        return;
    resetErase();
    lockTabs(false);
    CController::GetInstance()->StopDeviceJob(2);
    SwitchPage(StoppedPage);
}

void OvEraseFragmentDataModel::showFailure()
{
    const bool fillPlanned = m_passes > 0;
    resetErase();
    lockTabs(false);
    m_failure->SetForm(EraseAllDataFailureView::Error, fillPlanned);
    SwitchPage(FailurePage);
}

void OvEraseFragmentDataModel::resetErase()
{
    m_waitTimer->stop();
    m_erasing = false;
    m_restoreQueued = false;
    m_whatsAppEnded = true;
    m_weChatEnded = true;
    m_kikEnded = true;
    m_viberEnded = true;
}
