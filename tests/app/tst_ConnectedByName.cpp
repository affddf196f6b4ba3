// Signals and slots that the program connects by their text (SIGNAL()/SLOT(), or by index
// into the callback's list): a renamed one fails only at run time, with a warning nobody reads.
#include "AppShowWidget.h"
#include "CTaskCallback.h"
#include "CacheCleanProcessView.h"
#include "CommonImgCtrl.h"
#include "JStyleTableWidget.h"
#include "JunkCleanScanResultView.h"
#include "OneKeyCleanResultView.h"
#include "OneKeyCleanView.h"
#include "OneScanResultSubWidget.h"
#include "OvCustomNOButton.h"
#include "OvProgressBarGif.h"
#include "OvStyleButton.h"
#include "OvStyleButtonWidget.h"
#include "OvStyleCheckBox.h"
#include "OvStyleCheckBoxButton.h"
#include "OvStyleCleanProcessProgressBar.h"
#include "OvStyleLabel.h"
#include "OvStyleProgressBar.h"
#include "OvStyleScanProcessView.h"
#include "OvStyleScrollArea.h"
#include "OvStyleTabHeadWidget.h"
#include "OvStyleTabelWidgetCheckBox.h"
#include "OvStyleWidget.h"
#include "OvStyleWidgetTitle.h"
#include "OvTabControlWidget.h"
#include "TaskExecuteView.h"
#include "TaskWidget.h"

#include <QMetaMethod>
#include <QRegularExpression>
#include <QTest>

namespace {

struct Methods
{
    const QMetaObject* meta;
    QMetaMethod::MethodType type;
    const char* names; // signatures, separated by blanks
    bool all = false;  // the class declares exactly these, in this order
};

constexpr auto Signal = QMetaMethod::Signal;
constexpr auto Slot = QMetaMethod::Slot;

const Methods kMethods[] = {
    { &CTaskCallback::staticMetaObject, Signal,
      "singalDevConnToPC() singalDevDisconnFromPC(qulonglong) signalConnToDev(int,void*) "
      "signalBackupDevData(int,int) signalLoadAddressBookData() signalLoadSMSData() signalLoadCallLogData() "
      "signalLoadNoteData() signalLoadSafariHistoryData() signalLoadSafariCookieData() signalLoadSafariCacheData() "
      "signalLoadPhotoAndVideoData() signalLoadWhatsAppData() signalLoadWeChatData() signalLoadViberData() "
      "signalLoadKikData() signalLoadCallendarData() signalLoadBookMarkData() signalLoadVoiceMemosData() "
      "signalLoadAppSize() signalEraseSMSData() signalEraseCallLogData() signalEraseNoteData() "
      "signalEraseSMSAttachmentData() signalEraseNoteAttachmentData() signalEraseSafariHistoryData() "
      "signalEraseSafariCookieData() signalEraseSafariCacheData() signalErasePhotoAndVideoData() "
      "signalEraseWhatsAppData() signalEraseWhatsAppAttachmentData() signalEraseWeChatData() signalEraseViberData() "
      "signalEraseKikData() signalEraseKikAttachmentData() signalEraseContactData() signalEraseCalendarData() "
      "signalEraseBookMarkData() signalEraseVoiceMemoData() signalRestoreDevData(int,int) "
      "signalFillDataSignal(int,int) signalOneKeyScanRespond(int,int) signalOneKeyClearRespond(int,int,void*) "
      "signalEraseAllTask(int,int) signalsiTunesClose()",
      true },
    { &OneKeyCleanView::staticMetaObject, Signal,
      "ShowNextView(int) onScanJunk(int) onScanCache(int) onScanImage(int) onScanLargeFile(int) onScanApps(int)" },
    { &OneKeyCleanView::staticMetaObject, Slot, "slotScanCache() ClickedNextButton()" },
    { &OneKeyCleanResultView::staticMetaObject, Signal,
      "ShowJunkView(int) ShowImageView(int) ShowLargeFilesView(int) ShowAppView(int) ShowCacheView(int) Rescan() "
      "onBack() onBackHome(int)" },
    { &OneKeyCleanResultView::staticMetaObject, Slot,
      "UpdateResultInfo(int) UpdateClearSize(quint64,int) slotShowCacheView()" },
    { &OneScanResultSubWidget::staticMetaObject, Signal, "ShowNextView()" },
    { &JunkCleanScanResultView::staticMetaObject, Signal, "onShowJunkCleanProess(int) onBack(int)" },
    { &JunkCleanScanResultView::staticMetaObject, Slot,
      "SLOT_ShowJunkCleanProess() slotAddSize(quint64,quint64) slotDelSize(quint64,quint64) slotBack() "
      "UpdateResult(int)" },
    { &TaskWidget::staticMetaObject, Signal, "signalAddSize(quint64,quint64) signalDelSize(quint64,quint64)" },
    { &TaskWidget::staticMetaObject, Slot, "UpdateView(int)" },
    { &TaskExecuteView::staticMetaObject, Signal,
      "onShowNextView() onShowBackView() onShowResultView(quint64) onClickedCancel(int) ShowNextView(int)" },
    { &TaskExecuteView::staticMetaObject, Slot,
      "SetMaxValue(quint64) SetMaxSize(int) StartScan(int) SetViewData(int,quint64) StopScan(int) "
      "SetExportData(int) SetExpressionData(int,quint64) ShowResultView() ClickedCancel()" },
    { &CacheCleanProcessView::staticMetaObject, Signal, "onShowNextView(int) onClickedCancel(int)" },
    { &CacheCleanProcessView::staticMetaObject, Slot, "ClickedCancel() SlotTimerOut()" },
    { &OvStyleScanProcessView::staticMetaObject, Signal, "ShowNextView(int)" },
    { &OvStyleScanProcessView::staticMetaObject, Slot, "StartScan(int) StopScan()" },
    { &OvProgressBarGif::staticMetaObject, Slot, "slotProcessTimer() SlotTimeoutdone()" },
    { &OvCustomNOButton::staticMetaObject, Signal,
      "signalClickBtn(int) signalDoubleClicked() signalTextChange(QString)" },
    { &OvCustomNOButton::staticMetaObject, Slot, "slotClickBtn()" },
    { &OvStyleProgressBar::staticMetaObject, Signal, "signalUpdate()" },
    { &OvStyleProgressBar::staticMetaObject, Slot, "slotUpdate()" },
    { &OvStyleCleanProcessProgressBar::staticMetaObject, Signal, "signalUpdate()" },
    { &OvStyleCleanProcessProgressBar::staticMetaObject, Slot, "slotUpdate()" },
    { &OvStyleWidgetTitle::staticMetaObject, Slot, "slotClosePWidget()" },
    { &OvStyleWidget::staticMetaObject, Slot, "slotClosePWidget()" },
    { &OvStyleScrollArea::staticMetaObject, Signal, "signalScrollPoint(int,int)" },
    { &OvTabControlWidget::staticMetaObject, Signal, "signalTabButtonSwitch(int)" },
    { &OvTabControlWidget::staticMetaObject, Slot, "slotChangeTabBtn(int)" },
    { &OvStyleButton::staticMetaObject, Signal, "signalUpdate() mouseEnter() mouseLeave()" },
    { &OvStyleButtonWidget::staticMetaObject, Signal, "signalUpdate() signalClicked()" },
    { &OvStyleCheckBox::staticMetaObject, Signal, "stateChanged(int) clicked() clicked(bool) clickedId(bool,int)" },
    { &OvStyleCheckBox::staticMetaObject, Slot, "slotClickedId(bool)" },
    { &OvStyleCheckBoxButton::staticMetaObject, Signal, "CheckChange(int) ClickEvent()" },
    { &OvStyleLabel::staticMetaObject, Signal,
      "clicked() changeLabelSignal(bool) cursorEnterSignal() cursorLeaveSignal()" },
    { &OvStyleLabel::staticMetaObject, Slot, "slotLabelClicked() slotCheckBox(bool)" },
    { &OvStyleTabelWidgetCheckBox::staticMetaObject, Signal, "clickedTable(int,int)" },
    { &OvStyleTabHeadWidget::staticMetaObject, Signal, "onClickPage(int)" },
    { &OvStyleTabHeadWidget::staticMetaObject, Slot, "ClickPage(int)" },
    { &AppShowWidget::staticMetaObject, Signal, "signalAppIsChecked(int,bool)" },
    { &CommonImgCtrl::staticMetaObject, Signal, "signalVideoIsChecked(QString,bool)" },
    { &JStyleTableWidget::staticMetaObject, Signal, "SglRightBtnClicked()" },
};

} // namespace

class tst_ConnectedByName : public QObject
{
    Q_OBJECT

private slots:
    void everyNameIsDeclaredAsItsKind();
};

void tst_ConnectedByName::everyNameIsDeclaredAsItsKind()
{
    QStringList wrong;
    for (const Methods& row : kMethods) {
        const QMetaObject& meta = *row.meta;
        QStringList names;
        for (const QString& name : QString(row.names).split(QRegularExpression("(?<=\\)) ")))
            names << QString::fromLatin1(QMetaObject::normalizedSignature(qPrintable(name)));
        for (const QString& name : names) {
            const int index = meta.indexOfMethod(qPrintable(name));
            if (index < 0 || meta.method(index).methodType() != row.type)
                wrong << QString("%1::%2 %3")
                             .arg(meta.className(), name, index < 0 ? "is missing" : "is of another kind");
        }
        if (!row.all)
            continue;
        QStringList declared;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            if (meta.method(i).methodType() == row.type)
                declared << QString::fromLatin1(meta.method(i).methodSignature());
        }
        QCOMPARE(declared, names);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
}

QTEST_GUILESS_MAIN(tst_ConnectedByName)
#include "tst_ConnectedByName.moc"
