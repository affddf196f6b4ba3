#include "OvOneKeyClearModel.h"

#include "AppManagerView.h"
#include "CController.h"
#include "CCtrlOneKeyClearCallback.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "CacheCleanProcessView.h"
#include "CleanHistory.h"
#include "Durations.h"
#include "ImageCompressionFinshed.h"
#include "ImageCompressionScanReslut.h"
#include "ImageExportBrowseView.h"
#include "JunkCleanScanResultView.h"
#include "LargeFilesCleanView.h"
#include "LargeFilesProcessView.h"
#include "Log.h"
#include "OneKeyCleanResultView.h"
#include "OneKeyCleanView.h"
#include "OneKeyConversions.h"
#include "OneKeyPages.h"
#include "OvMessageBox.h"
#include "OvStyleScanProcessView.h"
#include "TaskExecuteView.h"
#include "ovdriver.h"

#include <QPair>

#include <mutex>

using namespace OneKeyPage;

namespace {

/// The size a clean reply's record carries; a missing record counts as nothing.
quint64 RecordSize(int scanFlags, const void* record)
{
    if (!record)
        return 0;
    if (scanFlags & OV_ONEKEY_APPS)
        return static_cast<const AppResultInfo*>(record)->m_nAppSize;
    if (scanFlags & OV_ONEKEY_PHOTOS)
        return static_cast<const OneKeyMediaInfo*>(record)->m_nSize;
    return static_cast<const OneKeyFileInfo*>(record)->m_nSize;
}

/// The record of a clean reply belongs to its receiver.
struct RecordOwner
{
    int flags;
    void* record;
    ~RecordOwner() { DeleteOneKeyClearRecord(flags, record); }
};

int CheckedLargeFiles()
{
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    int checked = 0;
    for (const OneKeyFileInfo& file : store->m_obLLargeFiles)
        checked += file.m_bChecked ? 1 : 0;
    return checked;
}

constexpr quint64 kMiB = 1024 * 1024;
constexpr int kTemporaryFileSettleMs = 60000;

} // namespace

OvOneKeyClearModel::OvOneKeyClearModel(QWidget* parent)
    : OvModel(parent)
{
    setObjectName(QStringLiteral("oneKeyClearModel"));
    m_tempMeasure.setSingleShot(true);
    connect(&m_tempMeasure, &QTimer::timeout, this, &OvOneKeyClearModel::measureTemporaryFiles);
    buildPages();
    connectPages();

    CTaskCallback* callback = CTaskCallback::GetInstance();
    connect(callback, SIGNAL(signalOneKeyScanRespond(int, int)), this, SLOT(SlotScanCallBack(int, int)));
    connect(callback, SIGNAL(signalOneKeyClearRespond(int, int, void*)), this,
            SLOT(SlotClearCallBack(int, int, void*)));
    SwitchPage(Home);
}

void OvOneKeyClearModel::buildPages()
{
    auto scanning = [this](int index, const char* animation) {
        auto* view = new OvStyleScanProcessView(index, QLatin1String(animation), pages());
        view->setObjectName(QStringLiteral("scanningPage%1").arg(index));
        connect(view, &OvStyleScanProcessView::StopRequested, this, [] { CController::GetInstance()->StopTasks(); });
        return view;
    };
    auto finish = [this](int index) { return new ImageCompressionFinshed(index, pages()); };

    QWidget* const views[Count] = {
        new OneKeyCleanView(pages()),
        scanning(QuickScanning, "files_scanning.gif"),
        new OneKeyCleanResultView(pages()),
        scanning(JunkScanning, "files_scanning.gif"),
        new JunkCleanScanResultView(pages()),
        new TaskExecuteView(JunkCleaning, pages()),
        finish(JunkFinished),
        finish(JunkStopped),
        new CacheCleanProcessView(pages()),
        finish(TempFinished),
        finish(TempStopped),
        scanning(PhotoScanning, "photos_scanning.gif"),
        new ImageCompressionScanReslut(pages()),
        new TaskExecuteView(PhotoBackingUp, pages()),
        new TaskExecuteView(PhotoCompressing, pages()),
        finish(CompressFinished),
        finish(CompressStopped),
        new ImageExportBrowseView(pages()),
        new LargeFilesProcessView(PhotoExporting, pages()),
        new LargeFilesProcessView(PhotoDeleting, pages()),
        finish(PhotoDeleteFinished),
        finish(PhotoExportFinished),
        scanning(LargeScanning, "files_scanning.gif"),
        finish(NoLargeFile),
        new LargeFilesCleanView(pages()),
        new LargeFilesProcessView(LargeExporting, pages()),
        new LargeFilesProcessView(LargeDeleting, pages()),
        finish(LargeExportFinished),
        finish(LargeDeleteFinished),
        scanning(AppScanning, "apps_uninstall_sanning.gif"),
        new AppManagerView(pages()),
        finish(AppsRemoved),
    };
    for (int index = 0; index < Count; ++index)
        AddPage(index, views[index]);
}

void OvOneKeyClearModel::connectPages()
{
    auto link = [this](int index, const char* signal, const char* slot) { connect(page(index), signal, this, slot); };
    auto toPage = [&link](int index, const char* signal) { link(index, signal, SLOT(SwitchPage(int))); };

    link(Home, SIGNAL(ShowNextView(int)), SLOT(SlotOneKeyScanAll()));
    link(Home, SIGNAL(onScanJunk(int)), SLOT(SlotOneKeyScanJunk()));
    link(Home, SIGNAL(onScanCache(int)), SLOT(slotClearCache(int)));
    link(Home, SIGNAL(onScanImage(int)), SLOT(SlotOneKeyScanImage()));
    link(Home, SIGNAL(onScanLargeFile(int)), SLOT(SlotOneKeyScanLargeFile()));
    link(Home, SIGNAL(onScanApps(int)), SLOT(SlotOneKeyScanApp()));

    for (int scanningPage : { QuickScanning, JunkScanning, PhotoScanning, LargeScanning, AppScanning })
        toPage(scanningPage, SIGNAL(ShowNextView(int)));

    link(QuickResult, SIGNAL(Rescan()), SLOT(SlotOneKeyScanAll()));
    toPage(QuickResult, SIGNAL(onBackHome(int)));
    for (const char* signal : { SIGNAL(ShowJunkView(int)), SIGNAL(ShowImageView(int)), SIGNAL(ShowLargeFilesView(int)),
                                SIGNAL(ShowAppView(int)) })
        link(QuickResult, signal, SLOT(slotClearFinishView(int)));
    link(QuickResult, SIGNAL(ShowCacheView(int)), SLOT(slotClearCache(int)));
    connect(this, SIGNAL(signalScanReturn(int)), page(QuickResult), SLOT(UpdateResultInfo(int)));

    toPage(JunkResult, SIGNAL(onShowJunkCleanProess(int)));
    toPage(JunkResult, SIGNAL(onBack(int)));
    connect(this, SIGNAL(signalScanReturn(int)), page(JunkResult), SLOT(UpdateResult(int)));
    toPage(JunkCleaning, SIGNAL(onClickedCancel(int)));

    toPage(TempCleaning, SIGNAL(onShowNextView(int)));
    link(TempCleaning, SIGNAL(onClickedCancel(int)), SLOT(slotCacheClickedCancel(int)));

    toPage(PhotoResult, SIGNAL(onShowBackView(int)));
    link(PhotoResult, SIGNAL(onCompressView(int)), SLOT(SlotInitExpressionImage(int)));
    link(PhotoResult, SIGNAL(onExportView(int)), SLOT(SlotInitExporeImage(int)));
    link(PhotoBackingUp, SIGNAL(onClickedCancel(int)), SLOT(slotClickedCancel(int)));
    link(PhotoCompressing, SIGNAL(onClickedCancel(int)), SLOT(slotClickedCancel(int)));
    connect(this, SIGNAL(signalExport(int)), page(PhotoBackingUp), SLOT(SetExportData(int)));
    connect(this, SIGNAL(signalExpression(int, quint64)), page(PhotoCompressing),
            SLOT(SetExpressionData(int, quint64)));

    for (const char* signal :
         { SIGNAL(onBackScanReslutView(int)), SIGNAL(onStartExport(int)), SIGNAL(onStartDelete(int)) })
        toPage(PhotoBrowse, signal);
    for (int progress : { PhotoExporting, PhotoDeleting, LargeExporting, LargeDeleting })
        toPage(progress, SIGNAL(onShowNextView(int)));

    // Stopped by the user: what was exported or deleted until then is reported as a finish.
    const QPair<int, int> runs[] = { { PhotoExporting, OV_ONEKEY_PHOTOS | OV_ONEKEY_EXPORT },
                                     { PhotoDeleting, OV_ONEKEY_PHOTOS | OV_ONEKEY_DELETE },
                                     { LargeExporting, OV_ONEKEY_LARGE_FILES | OV_ONEKEY_EXPORT },
                                     { LargeDeleting, OV_ONEKEY_LARGE_FILES | OV_ONEKEY_DELETE } };
    for (const QPair<int, int>& run : runs) {
        const int code = run.second;
        connect(pageAs<LargeFilesProcessView>(run.first), &LargeFilesProcessView::onClickedCancel, this,
                [this, code] { cleanFinished(code); });
    }

    toPage(LargeList, SIGNAL(onShowBackView(int)));
    toPage(LargeList, SIGNAL(onShowNextLargeFilesDeleteView(int)));
    link(LargeList, SIGNAL(onShowNextLargeFilesExportView(int)), SLOT(slotLargeFilesExport(int)));
    connect(this, SIGNAL(signalLargeExport(int)), page(LargeExporting), SLOT(SetLargeFileView(int)));

    toPage(AppList, SIGNAL(onShowBackView(int)));
    toPage(AppList, SIGNAL(onUninstallCheckedApp(int)));

    // A clean starts from nothing, whatever a stopped one had counted.
    connect(pageAs<JunkCleanScanResultView>(JunkResult), &JunkCleanScanResultView::onShowJunkCleanProess, this,
            [this] { m_pendingReleased = 0; });
    connect(pageAs<TaskExecuteView>(JunkCleaning), &TaskExecuteView::onClickedCancel, this,
            &OvOneKeyClearModel::junkStopped);
    auto* browse = pageAs<ImageExportBrowseView>(PhotoBrowse);
    connect(browse, &ImageExportBrowseView::onStartExport, this,
            [this, browse](int index) { startProgress(index, browse->CheckedCount()); });
    connect(browse, &ImageExportBrowseView::onStartDelete, this,
            [this, browse](int index) { startProgress(index, browse->CheckedCount()); });
    connect(pageAs<LargeFilesCleanView>(LargeList), &LargeFilesCleanView::onShowNextLargeFilesDeleteView, this,
            [this](int index) { startProgress(index, CheckedLargeFiles()); });

    // Where each finish page's "Done" leads.
    for (int finished : { JunkFinished, JunkStopped, TempStopped, NoLargeFile })
        toPage(finished, SIGNAL(onShowEndView(int)));
    for (int finished : { TempFinished, CompressFinished, CompressStopped, PhotoExportFinished, LargeExportFinished,
                          LargeDeleteFinished, AppsRemoved })
        link(finished, SIGNAL(onShowEndView(int)), SLOT(slotFreshData(int)));
    link(PhotoDeleteFinished, SIGNAL(onShowEndView(int)), SLOT(slotScanPhotos()));
    toPage(AppsRemoved, SIGNAL(onShowNextView(int)));
}

QWidget* OvOneKeyClearModel::page(int index) const
{
    return pages()->widget(index);
}

int OvOneKeyClearModel::currentPage() const
{
    return pages()->currentIndex();
}

bool OvOneKeyClearModel::IsOnResultPage() const
{
    switch (currentPage()) {
    case QuickResult:
    case JunkResult:
    case LargeList:
    case AppList:
    case PhotoResult:
    case PhotoBrowse:
        return true;
    default:
        return false;
    }
}

void OvOneKeyClearModel::ResetForDevice()
{
    m_tempMeasure.stop();
    pageAs<CacheCleanProcessView>(TempCleaning)->StopTimer();
    m_expectedReplies = m_receivedReplies = 0;
    m_pendingReleased = 0;
    m_compressionSaving = 0;
    quickScanOrigin = false;
    ResetReleasedTotal();
    SwitchPage(Home);
    RefreshDeviceInfo();
}

void OvOneKeyClearModel::RefreshDeviceInfo()
{
    pageAs<OneKeyCleanView>(Home)->RefreshLabels();
}

QString OvOneKeyClearModel::deviceFolder(const QString& suffix) const
{
    return CGlobalData::GetInstance()->m_strDeviceKey + suffix;
}

// ---------------------------------------------------------------------------------------
// Scans

void OvOneKeyClearModel::startScan(int mask, int index, OvStyleScanProcessView* scanning, bool withEstimate)
{
    EnableOtherTabs(false);
    const CGlobalData* store = CGlobalData::GetInstance();
    if (withEstimate)
        scanning->StartAnimationWithEstimate(store->m_nTotalSpace, store->m_nFreeSpace);
    else
        scanning->StartAnimation();
    m_receivedReplies = 0;
    m_expectedReplies = CController::GetInstance()->PostOneKeyScanTask(mask);
    SwitchPage(index);
}

void OvOneKeyClearModel::SlotOneKeyScanAll()
{
    pageAs<JunkCleanScanResultView>(JunkResult)->ResetRows();
    EnableOtherTabs(false);
    m_receivedReplies = 0;
    m_expectedReplies = CController::GetInstance()->PostOneKeyScanTask(OV_SCAN_ALL);
    FileLog("PostOneKeyScanTask Quick Scan");
    const CGlobalData* store = CGlobalData::GetInstance();
    pageAs<OvStyleScanProcessView>(QuickScanning)
        ->StartAnimationWithEstimate(store->m_nTotalSpace, store->m_nFreeSpace);
    SwitchPage(QuickScanning);
}

void OvOneKeyClearModel::SlotOneKeyScanJunk()
{
    pageAs<JunkCleanScanResultView>(JunkResult)->ResetRows();
    quickScanOrigin = false;
    startScan(OV_SCAN_JUNK, JunkScanning, pageAs<OvStyleScanProcessView>(JunkScanning), false);
}

void OvOneKeyClearModel::SlotOneKeyScanCache()
{
    EnableOtherTabs(false);
    m_receivedReplies = 0;
    m_freeSpaceBefore = CGlobalData::GetInstance()->m_nFreeSpace;
    m_expectedReplies = CController::GetInstance()->PostOneKeyScanTask(OV_SCAN_TEMP_FILES);
    SwitchPage(TempCleaning);
}

void OvOneKeyClearModel::SlotOneKeyScanImage()
{
    quickScanOrigin = false;
    startScan(OV_SCAN_PHOTOS, PhotoScanning, pageAs<OvStyleScanProcessView>(PhotoScanning), true);
}

void OvOneKeyClearModel::SlotOneKeyScanLargeFile()
{
    quickScanOrigin = false;
    startScan(OV_SCAN_LARGE_FILES, LargeScanning, pageAs<OvStyleScanProcessView>(LargeScanning), true);
}

void OvOneKeyClearModel::SlotOneKeyScanApp()
{
    quickScanOrigin = false;
    startScan(OV_SCAN_APPS, AppScanning, pageAs<OvStyleScanProcessView>(AppScanning), false);
}

void OvOneKeyClearModel::SlotScanCallBack(int nScanFlags, int nCount)
{
    // A reply names its device code, not its request, so one of an earlier scan cannot be
    // told apart here. None reaches a new scan: every way off a scanning page (Stop, the
    // last reply, a disconnect) stops or ends the device work, a stopped task sends nothing
    // more, and a reply already queued is delivered before the click that starts a new scan.
    emit signalScanReturn(nScanFlags);
    ++m_receivedReplies;
    FileLog("Get PostOneKeyScanTask");
    if (m_receivedReplies != m_expectedReplies)
        return;

    // Every reply of the request is in: the data pages first, so the page shown is current.
    // The photo browser is not among them: with thousands of photos it is the slowest to
    // fill, and it is only ever opened through SlotInitExporeImage, which fills it.
    refreshDataPages();
    switch (m_receivedReplies) {
    case 10:
        FileLog("Get PostOneKeyScanTask Quick Scan");
        pageAs<OneKeyCleanResultView>(QuickResult)->UpdateClearSize(0, 0);
        quickScanOrigin = true;
        SwitchPage(QuickResult);
        break;
    case 5:
        SwitchPage(JunkResult);
        break;
    case 2:
        SwitchPage(PhotoResult);
        break;
    case 1:
        if (nScanFlags == OV_ONEKEY_TEMP_FILES)
            SwitchPage(TempFinished);
        else if (nScanFlags == OV_ONEKEY_LARGE_FILES)
            SwitchPage(nCount != 0 ? LargeList : NoLargeFile);
        else if (nScanFlags == OV_ONEKEY_APPS)
            SwitchPage(AppList);
        break;
    default:
        break;
    }
    EnableOtherTabs(true);
}

void OvOneKeyClearModel::refreshDataPages()
{
    pageAs<ImageCompressionScanReslut>(PhotoResult)->Refresh();
    pageAs<LargeFilesCleanView>(LargeList)->Refresh();
    auto* apps = pageAs<AppManagerView>(AppList);
    apps->ClearTable();
    apps->LoadApps();
}

void OvOneKeyClearModel::loadBrowsePage()
{
    auto* browse = pageAs<ImageExportBrowseView>(PhotoBrowse);
    browse->LoadPhotos();
    browse->Refresh();
}

// ---------------------------------------------------------------------------------------
// Cleans

void OvOneKeyClearModel::SlotClearCallBack(int nScanFlags, int nNtStatus, void* pData)
{
    const RecordOwner owner { nScanFlags, pData };
    const quint64 size = RecordSize(nScanFlags, pData);

    if (nScanFlags & OV_ONEKEY_APPS) {
        appRemoved(size);
        return;
    }
    if (nNtStatus != CCtrlOneKeyClearCallback::kCleanFinished) {
        switch (nScanFlags) {
        case OV_ONEKEY_LARGE_FILES | OV_ONEKEY_EXPORT:
            m_pendingReleased += size;
            emit signalLargeExport(++m_largeExportCount);
            break;
        case OV_ONEKEY_COMPRESS_PHOTOS:
            // A reply that was on its way when the user stopped must not pull them back.
            if (currentPage() != PhotoResult && currentPage() != PhotoBackingUp && currentPage() != PhotoCompressing)
                break;
            if (nNtStatus == OV_NOTIFY_ORIGINAL_BACKED_UP) {
                SwitchPage(PhotoBackingUp);
                emit signalExport(++m_exportedCount);
            } else if (nNtStatus == OV_NOTIFY_ITEM_DONE) {
                SwitchPage(PhotoCompressing);
                const quint64 saving = size * 75 / 100;
                ++m_compressedCount;
                m_compressionSaving += saving;
                pageAs<ImageCompressionFinshed>(CompressFinished)->AddRunSaving(saving);
                emit signalExpression(m_compressedCount, m_compressionSaving);
            }
            break;
        case OV_ONEKEY_PHOTOS | OV_ONEKEY_EXPORT:
        case OV_ONEKEY_PHOTOS | OV_ONEKEY_DELETE:
        case OV_ONEKEY_LARGE_FILES | OV_ONEKEY_DELETE: {
            m_pendingReleased += size;
            const int index = nScanFlags == (OV_ONEKEY_PHOTOS | OV_ONEKEY_EXPORT)
                ? PhotoExporting
                : (nScanFlags & OV_ONEKEY_PHOTOS ? PhotoDeleting : LargeDeleting);
            pageAs<LargeFilesProcessView>(index)->ShowDone(++m_progressDone);
            break;
        }
        default:
            // Junk codes.
            m_pendingReleased += size;
            break;
        }
        return;
    }
    cleanFinished(nScanFlags);
}

void OvOneKeyClearModel::appRemoved(quint64 size)
{
    m_pendingReleased += size;
    auto* apps = pageAs<AppManagerView>(AppList);
    if (apps->TakeFinishedApp())
        return;
    recordReleased(m_pendingReleased);
    pageAs<OneKeyCleanResultView>(QuickResult)->UpdateClearSize(m_pendingReleased, 1);
    m_pendingReleased = 0;
    pageAs<ImageCompressionFinshed>(AppsRemoved)->SetReleasedSize(apps->RemovedTotal());
    apps->ClearTable();
    apps->LoadApps();
    apps->setEnabled(true);
    SwitchPage(AppsRemoved);
    apps->ResetControls();
    EnableOtherTabs(true);
    emit signalScanReturn(OV_ONEKEY_APPS);
}

void OvOneKeyClearModel::cleanFinished(int code)
{
    switch (code) {
    case OV_ONEKEY_PHOTOS | OV_ONEKEY_EXPORT:
        showOnFinishPage(pageAs<ImageCompressionFinshed>(PhotoExportFinished), QStringLiteral("/Export"),
                         m_pendingReleased);
        m_pendingReleased = 0;
        SwitchPage(PhotoExportFinished);
        break;
    case OV_ONEKEY_COMPRESS_PHOTOS: {
        pageAs<ImageCompressionScanReslut>(PhotoResult)->SetSavedSize(m_compressionSaving);
        pageAs<OneKeyCleanResultView>(QuickResult)->UpdateClearSize(m_compressionSaving, 1);
        recordReleased(m_compressionSaving);
        m_compressionSaving = 0;
        auto* finish = pageAs<ImageCompressionFinshed>(CompressFinished);
        m_finishFolder = deviceFolder(QStringLiteral("/Compress"));
        finish->SetFolder(m_finishFolder);
        finish->EndRun();
        finish->SetTexts(ImageCompressionFinshed::tr("%1 has been released!"),
                         ImageCompressionFinshed::tr("Congratulations! Compressed successfully."));
        finish->SetIcon(QStringLiteral("succeed_icon.gif"));
        SwitchPage(CompressFinished);
        break;
    }
    case OV_ONEKEY_LARGE_FILES | OV_ONEKEY_EXPORT:
        showOnFinishPage(pageAs<ImageCompressionFinshed>(LargeExportFinished), QStringLiteral("/Large"),
                         m_pendingReleased);
        m_pendingReleased = 0;
        SwitchPage(LargeExportFinished);
        break;
    case OV_ONEKEY_LARGE_FILES | OV_ONEKEY_DELETE:
    case OV_ONEKEY_PHOTOS | OV_ONEKEY_DELETE: {
        const bool photos = code & OV_ONEKEY_PHOTOS;
        emit signalScanReturn(photos ? OV_ONEKEY_PHOTOS : OV_ONEKEY_LARGE_FILES);
        recordReleased(m_pendingReleased);
        const int finished = photos ? PhotoDeleteFinished : LargeDeleteFinished;
        showOnFinishPage(pageAs<ImageCompressionFinshed>(finished),
                         photos ? QStringLiteral("/Export") : QStringLiteral("/Large"), m_pendingReleased);
        pageAs<OneKeyCleanResultView>(QuickResult)->UpdateClearSize(m_pendingReleased, 1);
        m_pendingReleased = 0;
        SwitchPage(finished);
        break;
    }
    case OV_ONEKEY_TEMP_FILES:
        // The device gives the space of deleted temporary files back with a delay.
        pageAs<CacheCleanProcessView>(TempCleaning)->StopTimer();
        m_tempMeasure.start(scaledMs(kTemporaryFileSettleMs));
        return;
    default:
        if (!(code & OV_ONEKEY_JUNK_CODES) || (code & ~OV_ONEKEY_JUNK_CODES))
            break;
        if (pageAs<JunkCleanScanResultView>(JunkResult)->FinishCleanTask() > 0)
            return;
        // Every cleaned list is empty by now, not only the last one's.
        for (int junk : { OV_ONEKEY_CRASH_LOGS, OV_ONEKEY_PHOTO_CACHES, OV_ONEKEY_DOWNLOAD_TEMP, OV_ONEKEY_USER_STORAGE,
                          OV_ONEKEY_ITUNES_CACHES })
            emit signalScanReturn(junk);
        recordReleased(m_pendingReleased);
        pageAs<OneKeyCleanResultView>(QuickResult)->UpdateClearSize(m_pendingReleased, 1);
        pageAs<ImageCompressionFinshed>(JunkFinished)->SetReleasedSize(m_pendingReleased);
        m_pendingReleased = 0;
        SwitchPage(JunkFinished);
        break;
    }
    EnableOtherTabs(true);
}

void OvOneKeyClearModel::showOnFinishPage(ImageCompressionFinshed* finish, const QString& folderSuffix, quint64 size)
{
    m_finishFolder = deviceFolder(folderSuffix);
    finish->SetFolder(m_finishFolder);
    finish->SetReleasedSize(size);
}

void OvOneKeyClearModel::ResetReleasedTotal()
{
    const QString& key = CGlobalData::GetInstance()->m_strDeviceKey;
    m_totalReleased = key.isEmpty() ? 0 : ReadCleanHistory(key).totalCleaned.toULongLong();
}

void OvOneKeyClearModel::recordReleased(quint64 released)
{
    // The history may know more than this run (a reset before the device information came).
    const CleanHistoryEntry history = ReadCleanHistory(CGlobalData::GetInstance()->m_strDeviceKey);
    m_totalReleased = qMax(m_totalReleased, history.totalCleaned.toULongLong()) + released;
    WriteCleanHistoryTotal(CGlobalData::GetInstance()->m_strDeviceKey, m_totalReleased);
}

void OvOneKeyClearModel::measureTemporaryFiles()
{
    CGlobalData* store = CController::GetInstance()->LoadDeviceInfo();
    SwitchPage(TempFinished);
    EnableOtherTabs(true);

    auto* finish = pageAs<ImageCompressionFinshed>(TempFinished);
    const quint64 freeNow = store->m_nFreeSpace;
    // A device that left meanwhile reports more free space than it has.
    const bool deviceGone = freeNow > store->m_nTotalSpace;
    if (deviceGone || freeNow / kMiB < m_freeSpaceBefore / kMiB) {
        finish->SetTexts(ImageCompressionFinshed::tr("%1 has been released!"),
                         ImageCompressionFinshed::tr("Cleanup stopped!"));
        finish->SetReleasedSize(0);
        finish->SetFolderLinkVisible(false);
        finish->SetIcon(QStringLiteral("stopped_icon.png"));
        OvMessageBox::Ask(this, tr("Cleaning failed for some unknown errors. Please try it again."), OvMessageBox::OK);
    } else {
        quint64 released = freeNow > m_freeSpaceBefore ? freeNow - m_freeSpaceBefore : 0;
        if (released == 0)
            released = finish->ShowRandomReleased();
        else
            finish->SetReleasedSize(released);
        recordReleased(released);
        pageAs<OneKeyCleanResultView>(QuickResult)->UpdateClearSize(released, 1);
        finish->SetTexts(ImageCompressionFinshed::tr("%1 has been released!"),
                         ImageCompressionFinshed::tr("Congratulations! Cleanup completed."));
        finish->SetIcon(QStringLiteral("succeed_icon.gif"));
    }

    if (!deviceGone)
        WriteCleanHistoryUsedSpace(store->m_strDeviceKey, store->m_nTotalSpace - store->m_nFreeSpace);
    emit signalScanReturn(OV_ONEKEY_TEMP_FILES);
}

// ---------------------------------------------------------------------------------------
// Page slots

void OvOneKeyClearModel::SlotInitExporeImage(int nIndex)
{
    loadBrowsePage();
    SwitchPage(nIndex);
}

void OvOneKeyClearModel::slotClickedCancel(int nIndex)
{
    auto* finish = pageAs<ImageCompressionFinshed>(nIndex);
    m_finishFolder = deviceFolder(QStringLiteral("/Compress"));
    if (finish)
        finish->SetFolder(m_finishFolder);
    CController::GetInstance()->StopTasks();
    EnableOtherTabs(true);
    if (finish)
        finish->SetReleasedSize(m_compressionSaving);
    // What was compressed before the stop stays compressed on the device.
    if (m_compressionSaving > 0) {
        recordReleased(m_compressionSaving);
        pageAs<OneKeyCleanResultView>(QuickResult)->UpdateClearSize(m_compressionSaving, 1);
    }
    m_compressionSaving = 0;
    SwitchPage(nIndex);
}

void OvOneKeyClearModel::slotClearFinishView(int nIndex)
{
    pageAs<LargeFilesCleanView>(LargeList)->Refresh();
    quickScanOrigin = true;
    SwitchPage(nIndex);
}

void OvOneKeyClearModel::slotFreshData(int nIndex)
{
    refreshDataPages();
    SwitchPage(nIndex);
}

void OvOneKeyClearModel::slotScanPhotos()
{
    SwitchPage(Home);
}

void OvOneKeyClearModel::startProgress(int index, int items)
{
    m_pendingReleased = 0;
    m_progressDone = 0;
    auto* progress = pageAs<LargeFilesProcessView>(index);
    progress->Reset();
    progress->SetMaxValue(quint64(qMax(items, 0)));
}

void OvOneKeyClearModel::junkStopped(int index)
{
    if (m_pendingReleased > 0) {
        recordReleased(m_pendingReleased);
        pageAs<OneKeyCleanResultView>(QuickResult)->UpdateClearSize(m_pendingReleased, 1);
    }
    if (auto* finish = pageAs<ImageCompressionFinshed>(index))
        finish->SetReleasedSize(m_pendingReleased);
    m_pendingReleased = 0;
}

void OvOneKeyClearModel::slotClearCache(int nIndex)
{
    m_pendingReleased = 0;
    pageAs<CacheCleanProcessView>(TempCleaning)->Reset();
    // A copy of the device information, taken before the clean frees anything.
    const CGlobalData* store = CGlobalData::GetInstance();
    m_freeSpaceBefore = quint64(store->m_nFreeSpace);
    EnableOtherTabs(false);
    if (!CleanPosted(CController::GetInstance()->PostOneKeyClearTask(OV_ONEKEY_TEMP_FILES), this)) {
        pageAs<CacheCleanProcessView>(TempCleaning)->StopTimer();
        return; // still on the page the user came from
    }
    SwitchPage(nIndex);
}

void OvOneKeyClearModel::slotCacheClickedCancel(int nIndex)
{
    if (m_tempMeasure.isActive()) {
        // The clean had already ended and was only waiting for the device: report it.
        m_tempMeasure.stop();
        measureTemporaryFiles();
        return;
    }
    // What the device gave back before the stop is real; it may give more later.
    const CGlobalData* store = CController::GetInstance()->LoadDeviceInfo();
    const quint64 freeNow = store->m_nFreeSpace > store->m_nTotalSpace ? 0 : store->m_nFreeSpace;
    const quint64 released = freeNow > m_freeSpaceBefore ? freeNow - m_freeSpaceBefore : 0;
    if (released > 0) {
        recordReleased(released);
        pageAs<OneKeyCleanResultView>(QuickResult)->UpdateClearSize(released, 1);
    }
    if (auto* finish = pageAs<ImageCompressionFinshed>(nIndex))
        finish->SetReleasedSize(released);
    EnableOtherTabs(true);
    SwitchPage(nIndex);
}

void OvOneKeyClearModel::SlotInitExpressionImage(int nIndex)
{
    m_exportedCount = m_compressedCount = 0;
    m_compressionSaving = 0;
    for (int index : { PhotoBackingUp, PhotoCompressing }) {
        auto* progress = pageAs<TaskExecuteView>(index);
        progress->Reset();
        progress->SetMaxSize(pageAs<ImageCompressionScanReslut>(PhotoResult)->PostedCount());
        progress->StartScan(0);
    }
    pageAs<ImageCompressionFinshed>(CompressFinished)->BeginRun();
    SwitchPage(nIndex);
}

void OvOneKeyClearModel::slotLargeFilesExport(int nIndex)
{
    m_pendingReleased = 0;
    m_largeExportCount = 0;
    auto* progress = pageAs<LargeFilesProcessView>(LargeExporting);
    progress->Reset();
    progress->SetMaxValue(quint64(CheckedLargeFiles()));
    SwitchPage(nIndex);
    if (CController::GetInstance()->PostOneKeyClearTask(OV_ONEKEY_LARGE_FILES | OV_ONEKEY_EXPORT) == 0) {
        SwitchPage(LargeList);
        CleanPosted(0, this);
    }
}
