#pragma once

#include "OvModel.h"

#include <QStackedWidget>
#include <QTimer>

class AppManagerView;
class CacheCleanProcessView;
class ImageCompressionFinshed;
class ImageCompressionScanReslut;
class ImageExportBrowseView;
class JunkCleanScanResultView;
class LargeFilesCleanView;
class LargeFilesProcessView;
class OneKeyCleanResultView;
class OneKeyCleanView;
class OvStyleScanProcessView;
class TaskExecuteView;

/// 1-Click Free Up Space: owns the feature's pages, asks the controller for one-key scans
/// and cleans, counts their replies and decides which page comes next. It also keeps the
/// space released on the connected device and writes it to the clean history.
class OvOneKeyClearModel : public OvModel
{
    Q_OBJECT

public:
    explicit OvOneKeyClearModel(QWidget* parent = nullptr);

    /// True on a page whose scan result would be lost by leaving the feature.
    bool IsOnResultPage() const;
    /// Starts the released total of a newly connected device from its clean history, so the
    /// figure it keeps there never shrinks across reconnects.
    void ResetReleasedTotal();
    quint64 totalReleased() const { return m_totalReleased; }
    /// Back to the home page with nothing under way, as after a device change.
    void ResetForDevice();
    /// Redraws the device summary of the home page.
    void RefreshDeviceInfo();

    QWidget* page(int index) const;
    int currentPage() const;
    QString finishFolder() const { return m_finishFolder; }

signals:
    void signalStopGif(bool);
    void signalExport(int);
    void signalExpression(int, quint64);
    void signalScanReturn(int);
    void signalLargeExport(int);

private slots:
    void SlotOneKeyScanAll();
    void SlotOneKeyScanJunk();
    void SlotOneKeyScanCache();
    void SlotOneKeyScanImage();
    void SlotOneKeyScanLargeFile();
    void SlotOneKeyScanApp();
    void SlotScanCallBack(int nScanFlags, int nCount);
    void SlotClearCallBack(int nScanFlags, int nNtStatus, void* pData);
    void SlotInitExporeImage(int nIndex);
    void slotClickedCancel(int nIndex);
    void slotClearFinishView(int nIndex);
    void slotFreshData(int nIndex);
    void slotScanPhotos();
    void slotClearCache(int nIndex);
    void slotCacheClickedCancel(int nIndex);
    void SlotInitExpressionImage(int nIndex);
    void slotLargeFilesExport(int nIndex);

private:
    void buildPages();
    void connectPages();
    /// Common start of every scan: tabs locked, reply count reset, scan posted.
    void startScan(int mask, int page, OvStyleScanProcessView* scanning, bool withEstimate);
    void refreshDataPages();
    void loadBrowsePage();
    void appRemoved(quint64 size);
    void cleanFinished(int code);
    /// Adds `released` to the device's total and records it in the clean history.
    void recordReleased(quint64 released);
    void showOnFinishPage(ImageCompressionFinshed* finish, const QString& folderSuffix, quint64 size);
    void measureTemporaryFiles();
    /// A clean of `items` items starts on progress page `index`: nothing counted yet.
    void startProgress(int index, int items);
    /// The user stopped the junk clean: what was deleted until then is real.
    void junkStopped(int index);
    QString deviceFolder(const QString& suffix) const;
    /// The page at `index`, as the view class built there.
    template<class View> View* pageAs(int index) const;

    QTimer m_tempMeasure; // the device frees deleted temporary files with a delay

    int m_expectedReplies = 0;
    int m_receivedReplies = 0;
    QString m_finishFolder;
    quint64 m_pendingReleased = 0;
    quint64 m_totalReleased = 0;
    quint64 m_freeSpaceBefore = 0;
    int m_exportedCount = 0;
    int m_compressedCount = 0;
    quint64 m_compressionSaving = 0;
    int m_largeExportCount = 0;
    int m_progressDone = 0; // items of the photo export or delete, or large-file delete, so far
};

template<class View> View* OvOneKeyClearModel::pageAs(int index) const
{
    return qobject_cast<View*>(pages()->widget(index));
}
