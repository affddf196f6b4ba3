#pragma once

#include "CrashConfig.h"
#include "MainWindowAccess.h"

#include <QPointer>
#include <QWidget>

class DeviceConnectModel;
class DeviceRestartView;
class EraseModelBase;
class EraseTipDialog;
class IBaseDevice;
class OvEraseAllDataModel;
class OvEraseDeletedFilesModel;
class OvEraseFragmentDataModel;
class OvErasePrivateDataModel;
class OvOneKeyClearModel;
class OvStyleWidgetTitle;
class OvTabControlWidget;
class QMenu;
class QStackedWidget;
class QTimer;
class libAutoUpdate;

/// The one top-level window: title bar, feature tabs, the six feature pages, the Tools
/// menu, and the reactions to devices arriving, becoming ready and leaving.
class MainView : public QWidget, public MainWindowAccess
{
    Q_OBJECT

public:
    enum PageIndex {
        OneKeyPage = 0,
        EraseAllPage = 1,
        DeletedFilesPage = 2,
        PrivateDataPage = 3,
        FragmentsPage = 4,
        ConnectionPage = 5,
        PageCount = 6,
    };

    explicit MainView(QWidget* parent = nullptr);
    ~MainView() override;

    // MainWindowAccess
    int currentTabIndex() const override;
    void enableTabs(bool enable) override;
    bool deviceRestarting() const override { return m_deviceRestarting; }
    void setDeviceRestarting(bool restarting) override { m_deviceRestarting = restarting; }

    int currentPageIndex() const;
    QWidget* page(int index) const;
    OvTabControlWidget* tabBar() const { return m_tabs; }
    QMenu* toolsMenu() const { return m_toolsMenu; }

signals:
    void SignalTaskRespond();
    void SignalSwitchPage(int);
    void SignalPrivateSwitchPage(int);
    void SignalDeletedSwitchPage(int);
    void SignalFillPage(int);
    void SignalFragmentPage(int);

public slots:
    void SwitchModel(int nIndex);
    void SlotFeedback();
    void SlotLanguage();
    void SlotLevelSetting();
    void SlotShowUpdateDlg();
    void SlotAbout();
    void SlotPopMenu();
    void SlotLinkWebTutorial();
    void SlotLinkWebFAQ();
    void SlotLinkWebReview();
    void SlotLinkWebContactUs();
    void SlotLinkWebFacebook();
    void SlotLinkWebTwitter();
    void SlotDevConnectToPC();
    void SlotDevDisconnectFromPC();
    void SlotGetDeviceState(int);
    void SlotCheckVersion();
    void SlotCheckUpdate(int, QString);
    void SlotLanguageChange();
    void slotConnToDev(int, void*);
    void SlotCloseTrustDig();
    void SlotCloseiTunesTip();
    void slotMenuLevel(int level);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTitleBar();
    void buildToolsMenu();
    void buildTabsAndPages();
    void openMenuLink(int menu, int page);
    void runUnlockWait();
    void postConnect();
    int askBox(const QString& text, const QString& title, int buttons, const QString& icon = QString());
    void showDeviceOnPages();
    EraseModelBase* eraseModel(int page) const;
    /// The restore page of an erase feature, whose timer waits for the restarting device.
    DeviceRestartView* restoreView(int page) const;
    static void onDeviceArrived(IBaseDevice* device, void* user);
    static void onDeviceLeft(IBaseDevice* device, void* user);

    CrashConfig m_crashConfig;
    OvStyleWidgetTitle* m_title = nullptr;
    OvTabControlWidget* m_tabs = nullptr;
    QStackedWidget* m_pages = nullptr;
    QMenu* m_toolsMenu = nullptr;
    libAutoUpdate* m_updater = nullptr;
    QPointer<EraseTipDialog> m_trustDialog;
    QTimer* m_trustTimer = nullptr;
    bool m_deviceRestarting = false;

    OvOneKeyClearModel* m_oneKey = nullptr;
    OvEraseAllDataModel* m_eraseAll = nullptr;
    OvEraseDeletedFilesModel* m_deletedFiles = nullptr;
    OvErasePrivateDataModel* m_privateData = nullptr;
    OvEraseFragmentDataModel* m_fragments = nullptr;
    DeviceConnectModel* m_connect = nullptr;
};
