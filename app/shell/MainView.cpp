#include "MainView.h"

#include "API_VersionControl.h"
#include "AppPaths.h"
#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "CompanionProcess.h"
#include "DeviceConnectModel.h"
#include "DeviceRestartView.h"
#include "Durations.h"
#include "EraseSafeConfirm.h"
#include "EraseTipDialog.h"
#include "FileVersion.h"
#include "LanguageSelectView.h"
#include "LocalConfig.h"
#include "OvAbout.h"
#include "OvEraseAllDataModel.h"
#include "OvEraseDeletedFilesModel.h"
#include "OvEraseFragmentDataModel.h"
#include "OvErasePrivateDataModel.h"
#include "OvFeedback.h"
#include "OvMessageBox.h"
#include "OvOneKeyClearModel.h"
#include "OvSPushButton.h"
#include "OvStyleWidgetTitle.h"
#include "OvTabControlWidget.h"
#include "SafeLevelSettingDialog.h"
#include "WebLinks.h"
#include "libAutoUpdate.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFrame>
#include <QMenu>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cwchar>

namespace {

// Menu numbers of the version files, and the page each falls back to.
struct MenuLink
{
    int menu;
    WebLinks::Page page;
};
constexpr MenuLink kTutorial { 3, WebLinks::Tutorial };
constexpr MenuLink kFaq { 4, WebLinks::Faq };
constexpr MenuLink kReview { 5, WebLinks::Review };
constexpr MenuLink kContactUs { 6, WebLinks::ContactUs };
constexpr MenuLink kFacebook { 7, WebLinks::Facebook };
constexpr MenuLink kTwitter { 8, WebLinks::Twitter };
constexpr int kCheckForUpdatesMenu = 10;

struct MenuEntry
{
    int state = 1;
    QString url;
};

MenuEntry menuEntry(int menu)
{
    LL::API_VersionControl versions;
    MenuEntry entry;
    wchar_t url[256] = {};
    versions.GetMenuStateAndURL(menu, &entry.state, url);
    entry.url = QString::fromWCharArray(url);
    return entry;
}

void startCompanion(const QString& dir, const char* name, const QString& workDir)
{
    // Companions that are not installed are not reported.
    const std::string program = FindCompanionProgram(dir.toStdString(), name);
    if (!program.empty())
        StartDetachedProgram(program, workDir.toStdString());
}

} // namespace

MainView::MainView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("mainView"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(QStringLiteral("Velmora Dravo Free"));
    MainWindowAccess::registerInstance(this);

    m_crashConfig.write();
    m_crashConfig.startReporter();
    QTimer::singleShot(scaledMs(1000), this, &MainView::SlotCheckVersion);

    CTaskCallback* callback = CTaskCallback::GetInstance();
    connect(callback, &CTaskCallback::singalDevConnToPC, this, &MainView::SlotDevConnectToPC);
    connect(callback, &CTaskCallback::singalDevDisconnFromPC, this, &MainView::SlotDevDisconnectFromPC);
    connect(callback, &CTaskCallback::signalConnToDev, this, &MainView::SlotGetDeviceState);
    connect(callback, &CTaskCallback::signalsiTunesClose, this, &MainView::SlotCloseiTunesTip);
    CController* controller = CController::GetInstance();
    controller->SetConnectHandler(&MainView::onDeviceArrived, this);
    controller->SetDisconnectHandler(&MainView::onDeviceLeft, this);
    controller->StartDeviceNotifications();

    LocalConfig::EnsureFilesExist();

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("mainFrame"));
    frame->setStyleSheet(QStringLiteral("QFrame#mainFrame{background:#ffffff;}"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    buildTitleBar();
    buildToolsMenu();
    buildTabsAndPages();

    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addWidget(m_tabs);
    layout->addWidget(m_pages, 1);

    m_trustTimer = new QTimer(this);
    connect(m_trustTimer, &QTimer::timeout, this, &MainView::SlotCloseTrustDig);

    resize(1000, 680);
}

MainView::~MainView()
{
    m_crashConfig.endReporter();
    if (MainWindowAccess::instance() == this)
        MainWindowAccess::registerInstance(nullptr);
}

void MainView::buildTitleBar()
{
    const AppStyle& style = AppStyle::instance();
    m_title = new OvStyleWidgetTitle(this);
    m_title->setObjectName(QStringLiteral("mainTitleBar"));
    m_title->SetMoveWidget(this);
    m_title->SetBackground(QStringLiteral("title_bg_white.png"));
    m_title->SetIcon(QStringLiteral("/dravofree_icon_22.png"));
    m_title->SetTitle(QStringLiteral("Velmora Dravo Free") + style.versionText());
    m_title->SetTitleFont(style.font(2));
    m_title->setMouseTracking(true);

    OvSPushButton* feedback = m_title->AddTitleButton(
        QStringLiteral("feedbackButton"), tr("Feedback"), QStringLiteral("feedback_icon_normal.png"),
        QStringLiteral("feedback_icon_hover.png"), QStringLiteral("feedback_icon_pressing.png"));
    OvSPushButton* tools
        = m_title->AddTitleButton(QStringLiteral("toolsButton"), tr("Tools"), QStringLiteral("tools_icon_normal.png"),
                                  QStringLiteral("tools_icon_hover.png"), QStringLiteral("tools_icon_pressing.png"));
    OvSPushButton* minimize = m_title->AddTitleButton(
        QStringLiteral("minimizeButton"), tr("Minimize"), QStringLiteral("mini_icon_normal.png"),
        QStringLiteral("mini_icon_hover.png"), QStringLiteral("mini_icon_pressing.png"));
    m_title->SetCloseImages(QStringLiteral("close_icon_normal.png"), QStringLiteral("close_icon_hover.png"),
                            QStringLiteral("close_icon_pressing.png"));
    m_title->CloseButton()->setToolTip(tr("Close"));
    m_title->CloseButton()->setAccessibleName(tr("Close"));
    // The close button closes the window through the title bar, which asks first (closeEvent).
    connect(minimize, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(tools, &QPushButton::clicked, this, &MainView::SlotPopMenu);
    connect(feedback, &QPushButton::clicked, this, &MainView::SlotFeedback);
}

void MainView::buildToolsMenu()
{
    m_toolsMenu = new QMenu(this);
    m_toolsMenu->setObjectName(QStringLiteral("toolsMenu"));
    m_toolsMenu->setFont(AppStyle::instance().font(8));
    auto addIfShown = [this](int menu, const QString& text, void (MainView::*slot)()) {
        if (menuEntry(menu).state == 1)
            m_toolsMenu->addAction(text, this, slot);
    };
    m_toolsMenu->addSeparator();
    addIfShown(kTutorial.menu, tr("Tutorial"), &MainView::SlotLinkWebTutorial);
    addIfShown(kFaq.menu, tr("Frequently Asked Questions"), &MainView::SlotLinkWebFAQ);
    addIfShown(kReview.menu, tr("Write a Product Review"), &MainView::SlotLinkWebReview);
    addIfShown(kContactUs.menu, tr("Contact Us"), &MainView::SlotLinkWebContactUs);
    m_toolsMenu->addSeparator();
    addIfShown(kFacebook.menu, tr("View Facebook Fan Page"), &MainView::SlotLinkWebFacebook);
    addIfShown(kTwitter.menu, tr("Follow Us on Twitter"), &MainView::SlotLinkWebTwitter);
    m_toolsMenu->addSeparator();
    m_toolsMenu->addAction(tr("Set Security Level"), this, &MainView::SlotLevelSetting);
    m_toolsMenu->addAction(tr("Language"), this, &MainView::SlotLanguage);
    m_toolsMenu->addSeparator();
    addIfShown(kCheckForUpdatesMenu, tr("Check for updates"), &MainView::SlotShowUpdateDlg);
    m_toolsMenu->addAction(tr("About"), this, &MainView::SlotAbout);
    m_toolsMenu->addAction(tr("Exit"), this, &QWidget::close);
}

void MainView::buildTabsAndPages()
{
    m_tabs = new OvTabControlWidget(this);
    m_tabs->setObjectName(QStringLiteral("featureTabs"));
    m_tabs->setFont(AppStyle::instance().font(16));
    m_tabs->AddTabButton(tr("1-Click\n Free Up Space"), QStringLiteral("tab_one_click_normal.png"),
                         QStringLiteral("tab_one_click_selected.png"));
    m_tabs->AddTabButton(tr("Erase All Data"), QStringLiteral("tab_erase_all_data_normal.png"),
                         QStringLiteral("tab_erase_all_data_selected.png"));
    m_tabs->AddTabButton(tr("Erase Deleted Files"), QStringLiteral("tab_erase_deleted_files_normal.png"),
                         QStringLiteral("tab_erase_deleted_files_selected.png"));
    m_tabs->AddTabButton(tr("Erase Private Data"), QStringLiteral("tab_erase_private_data_normal.png"),
                         QStringLiteral("tab_erase_private_data_selected.png"));
    m_tabs->AddTabButton(tr("Erase Private Fragments"), QStringLiteral("tab_erase_fragements_normal.png"),
                         QStringLiteral("tab_erase_fragements_selected.png"));
    m_tabs->SetAllTabsEnabled(false);
    connect(m_tabs, &OvTabControlWidget::signalTabButtonSwitch, this, &MainView::SwitchModel);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("featurePages"));
    m_oneKey = new OvOneKeyClearModel(this);
    m_eraseAll = new OvEraseAllDataModel(this);
    m_deletedFiles = new OvEraseDeletedFilesModel(this);
    m_privateData = new OvErasePrivateDataModel(this);
    m_fragments = new OvEraseFragmentDataModel(this);
    m_connect = new DeviceConnectModel(this);
    for (QWidget* page :
         { static_cast<QWidget*>(m_oneKey), static_cast<QWidget*>(m_eraseAll), static_cast<QWidget*>(m_deletedFiles),
           static_cast<QWidget*>(m_privateData), static_cast<QWidget*>(m_fragments), static_cast<QWidget*>(m_connect) })
        m_pages->addWidget(page);
    connect(this, &MainView::SignalFillPage, m_eraseAll, &OvModel::SwitchPage);
    connect(this, &MainView::SignalDeletedSwitchPage, m_deletedFiles, &OvModel::SwitchPage);
    connect(this, &MainView::SignalPrivateSwitchPage, m_privateData, &OvModel::SwitchPage);
    connect(this, &MainView::SignalFragmentPage, m_fragments, &OvModel::SwitchPage);
    m_pages->setCurrentIndex(ConnectionPage);
}

int MainView::currentTabIndex() const
{
    return m_tabs->CurrentIndex();
}

int MainView::currentPageIndex() const
{
    return m_pages->currentIndex();
}

QWidget* MainView::page(int index) const
{
    return m_pages->widget(index);
}

void MainView::enableTabs(bool enable)
{
    if (enable) {
        m_tabs->SetAllTabsEnabled(true);
        return;
    }
    for (int i = 0; i < m_tabs->Count(); ++i)
        m_tabs->SetTabEnabled(i, i == m_tabs->CurrentIndex());
}

EraseModelBase* MainView::eraseModel(int page) const
{
    switch (page) {
    case EraseAllPage:
        return m_eraseAll;
    case DeletedFilesPage:
        return m_deletedFiles;
    case PrivateDataPage:
        return m_privateData;
    case FragmentsPage:
        return m_fragments;
    default:
        return nullptr;
    }
}

DeviceRestartView* MainView::restoreView(int page) const
{
    if (page == DeletedFilesPage)
        return m_deletedFiles->restorePage();
    if (page == PrivateDataPage)
        return m_privateData->restorePage();
    if (page == FragmentsPage) {
        for (auto* view : m_fragments->findChildren<DeviceRestartView*>()) {
            if (view->mode() == DeviceRestartView::RestoreMode)
                return view;
        }
    }
    return nullptr;
}

int MainView::askBox(const QString& text, const QString& title, int buttons, const QString& icon)
{
    return OvMessageBox::Ask(this, text, buttons, icon, title);
}

void MainView::SwitchModel(int nIndex)
{
    if (nIndex < 0 || nIndex > m_pages->count())
        return;
    if (nIndex == ConnectionPage) {
        m_tabs->SetCurrentTab(0);
    } else {
        const int current = m_pages->currentIndex();
        bool unsaved = false;
        if (current == OneKeyPage)
            unsaved = m_oneKey->IsOnResultPage();
        else if (current == DeletedFilesPage || current == PrivateDataPage || current == FragmentsPage)
            unsaved = eraseModel(current)->HasScanResult();
        if (unsaved && current != nIndex) {
            const int answer
                = askBox(tr("If you leave, the scanning result won't be saved. Are you sure you want to "
                            "leave?"),
                         tr("Warning"), OvMessageBox::Yes | OvMessageBox::No, QStringLiteral("tip_warning.png"));
            if (answer != OvMessageBox::Yes) {
                m_tabs->SetCurrentTab(current);
                return;
            }
            if (current == FragmentsPage)
                m_fragments->StopScan(MainWindowAccess::securityLevel());
        }
        m_tabs->SetCurrentTab(nIndex);
    }
    m_pages->setCurrentIndex(nIndex);
    CController::GetInstance()->LoadDeviceInfo();
    if (auto* model = qobject_cast<OvModel*>(m_pages->widget(nIndex)))
        model->SwitchPage(0);
}

void MainView::SlotFeedback()
{
    OvFeedback dialog(this);
    dialog.exec();
}

void MainView::SlotLanguage()
{
    LanguageSelectView dialog(this);
    connect(&dialog, &LanguageSelectView::LanguageChangeCloseService, this, &MainView::SlotLanguageChange);
    dialog.exec();
}

void MainView::SlotLevelSetting()
{
    SafeLevelSettingDialog dialog(this);
    connect(&dialog, &SafeLevelSettingDialog::onSettingLevel, this, &MainView::slotMenuLevel);
    dialog.exec();
}

void MainView::SlotShowUpdateDlg()
{
    const QString dir = applicationDirectory();
    startCompanion(dir, "appAutoUpdate.exe", dir);
}

void MainView::SlotAbout()
{
    OvAbout dialog(this);
    dialog.exec();
}

void MainView::SlotPopMenu()
{
    QWidget* tools = m_title->findChild<QWidget*>(QStringLiteral("toolsButton"));
    const QPoint at = tools ? tools->mapToGlobal(tools->rect().bottomLeft()) : QCursor::pos();
    m_toolsMenu->popup(at);
}

void MainView::openMenuLink(int menu, int page)
{
    const QString url = menuEntry(menu).url;
    WebLinks::open(url.isEmpty() ? WebLinks::address(static_cast<WebLinks::Page>(page)) : url);
}

void MainView::SlotLinkWebTutorial()
{
    openMenuLink(kTutorial.menu, kTutorial.page);
}

void MainView::SlotLinkWebFAQ()
{
    openMenuLink(kFaq.menu, kFaq.page);
}

void MainView::SlotLinkWebReview()
{
    openMenuLink(kReview.menu, kReview.page);
}

void MainView::SlotLinkWebContactUs()
{
    openMenuLink(kContactUs.menu, kContactUs.page);
}

void MainView::SlotLinkWebFacebook()
{
    openMenuLink(kFacebook.menu, kFacebook.page);
}

void MainView::SlotLinkWebTwitter()
{
    openMenuLink(kTwitter.menu, kTwitter.page);
}

void MainView::postConnect()
{
    if (!CController::GetInstance()->PostConnectDevTask())
        askBox(tr("PostConnectDevTask error!"), tr("warning"), OvMessageBox::OK);
}

void MainView::SlotDevConnectToPC()
{
    qDebug() << "*******program current state. state:" << m_deviceRestarting;
    if (m_deviceRestarting) {
        DeviceRestartView::DeviceSeenAgain();
        // Stopped even when it already ran out, so that its time-out box goes too.
        if (DeviceRestartView* view = restoreView(m_pages->currentIndex()))
            view->StopRestartTimer();
        postConnect();
        return;
    }
    SwitchModel(ConnectionPage);
    m_connect->SwitchPage(DeviceConnectModel::ConnectingPage);
    postConnect();
}

void MainView::SlotDevDisconnectFromPC()
{
    SlotGetDeviceState(0);
}

void MainView::showDeviceOnPages()
{
    const CGlobalData* store = CGlobalData::GetInstance();
    m_oneKey->RefreshDeviceInfo();
    for (int page = EraseAllPage; page <= FragmentsPage; ++page)
        eraseModel(page)->SetDeviceInfo(store->m_strDeviceName, store->m_nTotalSpace, store->m_nFreeSpace);
}

void MainView::SlotGetDeviceState(int state)
{
    CController* controller = CController::GetInstance();
    const int current = m_pages->currentIndex();
    switch (state) {
    case 0:
        DeviceRestartView::DeviceLost();
        if (m_deviceRestarting) {
            // The five minutes count from the moment the device went away.
            if (DeviceRestartView* view = restoreView(current); view && view->IsRestartTimerActive())
                view->RestartRestartTimer();
            return;
        }
        SwitchModel(ConnectionPage);
        m_connect->SwitchPage(DeviceConnectModel::NoDevicePage);
        m_tabs->SetAllTabsEnabled(false);
        m_tabs->SetCurrentTab(0);
        controller->StopTasks();
        for (int page = 0; page < m_pages->count(); ++page) {
            if (auto* model = qobject_cast<OvModel*>(m_pages->widget(page)))
                model->SwitchPage(0);
        }
        m_oneKey->ResetForDevice();
        return;
    case 1:
        SwitchModel(ConnectionPage);
        if (!m_deviceRestarting)
            m_connect->SwitchPage(DeviceConnectModel::ConnectingPage);
        return;
    case 2:
        if (m_deviceRestarting) {
            runUnlockWait();
            return;
        }
        // The box names its one button, so the button says what the text asks for.
        OvMessageBox::Ask(this, tr("Please unlock the device and trust the connection if needed. Then click Continue."),
                          OvMessageBox::OK, QString(), tr("Notice"), tr("Continue"));
        postConnect();
        return;
    case 3:
        // The device may have left before its ready report got here; its removal was handled.
        if (!controller->FirstDevicePair().first)
            return;
        controller->LoadDeviceInfo();
        if (!m_deviceRestarting) {
            SwitchModel(OneKeyPage);
            m_oneKey->ResetForDevice();
            enableTabs(true);
            showDeviceOnPages();
            return;
        }
        runUnlockWait();
        if (current == EraseAllPage) {
            // A restart wait the user stopped ends on its own page; the return starts nothing.
            if (!m_eraseAll->AwaitingRestart()) {
                if (m_eraseAll->pages()->currentIndex() != OvEraseAllDataModel::RestartPage) {
                    m_deviceRestarting = false;
                    enableTabs(true);
                }
                return;
            }
            if (m_eraseAll->FillPasses() > 0) {
                if (controller->PostFillDataTask())
                    emit SignalFillPage(OvEraseAllDataModel::FillPage);
                else
                    m_eraseAll->SwitchPage(OvEraseAllDataModel::FillFailedPage);
            } else {
                enableTabs(true);
                m_eraseAll->SwitchPage(OvEraseAllDataModel::FinishedPage);
            }
        } else if (current == DeletedFilesPage) {
            emit SignalDeletedSwitchPage(DeviceRestartView::ContinueAfterRestart(m_deletedFiles->confirmPage()));
        } else if (current == PrivateDataPage) {
            emit SignalPrivateSwitchPage(DeviceRestartView::ContinueAfterRestart(m_privateData->confirmPage()));
        } else if (current == FragmentsPage) {
            enableTabs(true);
            LocalConfig::WriteFragmentSizes(m_fragments->AppSpaceFigures());
            m_fragments->RefreshAppList();
            emit SignalFragmentPage(OvEraseFragmentDataModel::FinishedPage);
        }
        return;
    default:
        return; // 4 (a failed connect) is reported by the connect task itself
    }
}

void MainView::runUnlockWait()
{
    m_trustTimer->start(scaledMs(5000));
    m_trustDialog = new EraseTipDialog(EraseTipDialog::DeviceLocked, this);
    CController* controller = CController::GetInstance();
    while (m_trustDialog && controller->IsDeviceLocked()) {
        qDebug("LockState:%d", 1);
        m_trustDialog->exec();
    }
    if (m_trustDialog) {
        m_trustDialog->close();
        m_trustDialog->deleteLater();
    }
    m_trustTimer->stop();
}

void MainView::SlotCloseTrustDig()
{
    if (CController::GetInstance()->IsDeviceLocked())
        return;
    if (m_trustDialog)
        m_trustDialog->close();
    m_trustTimer->stop();
}

void MainView::slotConnToDev(int type, void*)
{
    qDebug() << "<<<<< type >>>>>>" << type;
    if (type == 2) {
        askBox(tr("you should trust the device!"), tr("warning"), OvMessageBox::OK);
        runUnlockWait();
        postConnect();
    } else if (type == 3) {
        CController::GetInstance()->PostFillDataTask();
        emit SignalSwitchPage(6);
    } else {
        askBox(tr("slotConnToDev return value false!"), tr("warning"), OvMessageBox::OK);
    }
}

void MainView::SlotCheckVersion()
{
    if (!m_updater) {
        m_updater = new libAutoUpdate(this);
        connect(m_updater, &libAutoUpdate::signalGetInfo, this, &MainView::SlotCheckUpdate);
    }
    m_updater->GetVersionInfo(QStringLiteral("p22"), libAutoUpdate::Version);
}

void MainView::SlotCheckUpdate(int code, QString version)
{
    if (libAutoUpdate::IsNewerVersion(code, version, QString::fromStdString(RunningExecutableFileVersion())))
        SlotShowUpdateDlg();
}

void MainView::SlotLanguageChange()
{
    m_crashConfig.endReporter();
    const QString dir = applicationDirectory();
    startCompanion(dir, "RestartApp.exe", dir);
    // Leave every event loop, the language dialog's included: the program ends with 0.
    QCoreApplication::exit(0);
}

void MainView::SlotCloseiTunesTip()
{
    askBox(tr("Don't start iTunes and sync files when running the program to avoid data overwriting."),
           tr("Velmora Dravo Pro"), OvMessageBox::OK, QStringLiteral("./tip_warning.png"));
}

void MainView::slotMenuLevel(int level)
{
    MainWindowAccess::setSecurityLevel(level);
    const int current = m_pages->currentIndex();
    if (EraseModelBase* model = eraseModel(current))
        model->SetSecurityLevel(level);
    EraseSafeConfirm* confirm = current == DeletedFilesPage ? m_deletedFiles->confirmPage()
        : current == PrivateDataPage                        ? m_privateData->confirmPage()
                                                            : nullptr;
    if (confirm)
        confirm->onConfirmSettingLevel(level);
}

void MainView::closeEvent(QCloseEvent* event)
{
    const int answer
        = askBox(tr("Are you sure you want to exit the program?"), QString(), OvMessageBox::OK | OvMessageBox::Cancel);
    if (answer != OvMessageBox::OK) {
        event->ignore();
        return;
    }
    // From the program's own folder: a program of that name in whatever folder we were
    // started from must never run with the user's rights.
    const QString dir = applicationDirectory();
    startCompanion(dir, "OvRemoveBack.exe", dir);
    event->accept();
}

void MainView::onDeviceArrived(IBaseDevice*, void*)
{
    CTaskCallback::Emit_singalDevConnToPC();
}

void MainView::onDeviceLeft(IBaseDevice* device, void*)
{
    // The pointer value widened with its sign, as the signal has always carried it.
    const auto value = static_cast<long long>(reinterpret_cast<std::intptr_t>(device));
    CTaskCallback::Emit_singalDevDisconnFromPC(static_cast<unsigned long long>(value));
}
