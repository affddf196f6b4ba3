#include "EraseTabPage.h"

#include "CController.h"
#include "CDecodingCheckDig.h"
#include "CGlobalData.h"
#include "EraseTipDialog.h"
#include "FeatureHomePage.h"
#include "MainWindowAccess.h"
#include "OvCustomNOButton.h"
#include "OvMessageBox.h"

#include <QVBoxLayout>

namespace {

bool Unactivated(const CGlobalData* store)
{
    return store && store->m_strActivationState == QLatin1String("Unactivated");
}

} // namespace

EraseTabPage::EraseTabPage(int feature, OvModel* model, const QString& picture, const QString& title,
                           const QString& description, const QString& buttonText, QWidget* parent)
    : QWidget(parent)
    , m_feature(feature)
    , m_model(model)
{
    m_home = new FeatureHomePage(picture, title, description, this);
    auto* start = new OvCustomNOButton(this);
    start->SetImageSet(OvCustomNOButton::BigImages);
    start->SetButtonText(buttonText);
    start->SetButtonFixedSize(160, 40);
    m_start = start;
    m_start->setObjectName(QStringLiteral("eraseStartButton"));
    connect(m_start, &QPushButton::clicked, this, &EraseTabPage::slotNext);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 36);
    layout->addWidget(m_home, 1);
    layout->addWidget(m_start, 0, Qt::AlignHCenter);
}

void EraseTabPage::slotNext()
{
    // Each check may wait on a modal dialog; a second press meanwhile must not start twice.
    if (m_checking)
        return;
    m_checking = true;
    const bool passed = PassChecks();
    m_checking = false;
    if (!passed)
        return;

    emit onScanProcess();
    emit SignalSwitchPage(1);
    if (m_feature != 2 && m_feature != 3)
        return;
    MainWindowAccess* window = MainWindowAccess::instance();
    if (window)
        window->enableTabs(false);
    if (!CController::GetInstance()->PostBackupDevDataTask()) {
        // The device left between the checks and the posting.
        if (window)
            window->enableTabs(true);
        emit SignalSwitchPage(0);
    }
}

bool EraseTabPage::PassChecks()
{
    CController* controller = CController::GetInstance();
    if (Unactivated(controller->LoadDeviceInfo())) {
        OvMessageBox::Ask(this->window(),
                          tr("Please set up and activate your device first before you use any other function."),
                          OvMessageBox::OK, QString(), tr("note"));
        return false;
    }
    if (m_feature == 1 && controller->IsFindMyIPhoneOn()) {
        EraseTipDialog tip(EraseTipDialog::FindMyIPhone, this->window());
        connect(&tip, &EraseTipDialog::onTryAgain, &tip, &QDialog::accept);
        tip.exec();
        return false;
    }
    if (!UnlockBackup())
        return false;
    // The dialogs may have been open long enough for the user to leave the tab.
    MainWindowAccess* window = MainWindowAccess::instance();
    if (window && window->currentTabIndex() != m_feature)
        return false;
    if (Unactivated(controller->LoadDeviceInfo())) {
        OvMessageBox::Ask(this->window(), tr("your device has not been activated,please set your device!"),
                          OvMessageBox::OK);
        return false;
    }
    return true;
}

bool EraseTabPage::UnlockBackup()
{
    CController* controller = CController::GetInstance();
    while (controller->IsBackupEncrypted()) {
        CDecodingCheckDig dialog(this->window());
        if (dialog.exec() != QDialog::Accepted)
            return false;
        controller->CheckBackupPassword(dialog.password());
        if (controller->IsBackupEncrypted())
            OvMessageBox::Ask(this->window(), tr("Password is not correct!"), OvMessageBox::OK,
                              QStringLiteral("tip_warning.png"));
    }
    return true;
}

void EraseTabPage::SetDeviceInfo(const QString& name, quint64 totalBytes, quint64 freeBytes)
{
    m_home->SetDeviceInfo(name, totalBytes, freeBytes);
}

void EraseTabPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    const CGlobalData* store = CGlobalData::GetInstance();
    SetDeviceInfo(store->m_strDeviceName, store->m_nTotalSpace, store->m_nFreeSpace);
}
