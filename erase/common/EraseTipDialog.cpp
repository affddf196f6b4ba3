#include "EraseTipDialog.h"

#include "AppStyle.h"
#include "CController.h"
#include "DialogButton.h"
#include "Durations.h"
#include "OvStyleWidgetTitle.h"
#include "SkinImage.h"
#include "WebLinks.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString linkHtml(const QString& target, const QString& text)
{
    return QStringLiteral("<a href=\"%1\" style=\"color:#2990ff; text-decoration:none;\">%2</a>")
        .arg(target, text.toHtmlEscaped());
}

QLabel* linkLabel(const QString& objectName, const QString& target, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(linkHtml(target, text), parent);
    label->setObjectName(objectName);
    label->setAccessibleName(text);
    label->setWordWrap(true);
    label->setFont(AppStyle::instance().font(0));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

EraseTipDialog::EraseTipDialog(int mode, QWidget* parent)
    : QDialog(parent)
    , m_mode(mode)
{
    setObjectName(QStringLiteral("eraseTipDialog"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setFixedWidth(520);

    QString title;
    QString text;
    QString picture;
    switch (mode) {
    case EncryptedBackup:
        title = tr("Notice");
        text = tr("Your backup files had been password-encrypted. Please remove your encryption from iTunes and try "
                  "it again.");
        picture = QStringLiteral("all_find_iphone.png");
        break;
    case FindMyIPhone:
        title = tr("Information");
        text = tr("Please disable \"Find My iPhone\" on your device before you continue.");
        picture = QStringLiteral("all_find_iphone.png");
        break;
    default:
        title = tr("Notice");
        text = tr("You must enter your password to unlock your device before continuing with Velmora Dravo Pro.");
        picture = QStringLiteral("all_screen_unlocked.png");
        break;
    }
    setWindowTitle(title);
    setAccessibleName(title);

    auto* face = new QFrame(this);
    face->setObjectName(QStringLiteral("eraseTipFace"));
    face->setStyleSheet(QStringLiteral("QFrame#eraseTipFace{background:white;border:1px solid #d6e4f2;}"));
    auto* titleBar = new OvStyleWidgetTitle(face);
    titleBar->SetTitle(title);
    titleBar->SetMoveWidget(this);

    auto* image = new QLabel(face);
    image->setFixedSize(158, 159);
    image->setAlignment(Qt::AlignCenter);
    image->setPixmap(SkinPixmap(picture));
    auto* message = new QLabel(text, face);
    message->setObjectName(QStringLiteral("eraseTipText"));
    message->setWordWrap(true);
    message->setFont(AppStyle::instance().font(8));
    message->setStyleSheet(QStringLiteral("color:#3c4449;"));

    auto* textColumn = new QVBoxLayout;
    textColumn->addStretch();
    textColumn->addWidget(message);
    if (mode == EncryptedBackup) {
        auto* link = linkLabel(QStringLiteral("encryptionLink"), QStringLiteral("encrypt"),
                               tr("How to remove your backup encryption?"), face);
        connect(link, &QLabel::linkActivated, this, &EraseTipDialog::slotIsEncrypt);
        textColumn->addWidget(link);
    } else if (mode == FindMyIPhone) {
        auto* howTo = linkLabel(QStringLiteral("turnOffFindMyIPhoneLink"), QStringLiteral("turnoff"),
                                tr("How do I turn off \"Find My iPhone\"?"), face);
        auto* stillOn = linkLabel(QStringLiteral("findMyIPhoneStillOnLink"), QStringLiteral("popup"),
                                  tr("This popup still appears even when \"Find My iPhone\" has been disabled?"), face);
        connect(howTo, &QLabel::linkActivated, this, &EraseTipDialog::slotTurnOffFindMyiPhone);
        connect(stillOn, &QLabel::linkActivated, this, &EraseTipDialog::slotPopupFindMyiPhone);
        textColumn->addWidget(howTo);
        textColumn->addWidget(stillOn);
    }
    textColumn->addStretch();

    auto* body = new QHBoxLayout;
    body->setContentsMargins(20, 12, 20, 4);
    body->addWidget(image);
    body->addSpacing(12);
    body->addLayout(textColumn, 1);

    auto* tryAgain = MakeDialogButton(QStringLiteral("tryAgainButton"), tr("Try Again"), false, face);
    auto* proceed = MakeDialogButton(QStringLiteral("continueButton"), tr("Continue"), true, face);
    connect(tryAgain, &QPushButton::clicked, this, &EraseTipDialog::slotTryAgain);
    connect(proceed, &QPushButton::clicked, this, &EraseTipDialog::slotContinue);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(20, 8, 20, 18);
    buttons->addStretch();
    buttons->addWidget(tryAgain);
    buttons->addWidget(proceed);

    auto* faceLayout = new QVBoxLayout(face);
    faceLayout->setContentsMargins(0, 0, 0, 0);
    faceLayout->addWidget(titleBar);
    faceLayout->addLayout(body);
    faceLayout->addLayout(buttons);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(face);

    if (mode == DeviceLocked) {
        m_lockTimer = new QTimer(this);
        m_lockTimer->setInterval(scaledMs(40000));
        connect(m_lockTimer, &QTimer::timeout, this, &EraseTipDialog::slotCheckLock);
    }
}

void EraseTipDialog::slotTurnOffFindMyiPhone(QString)
{
    WebLinks::open(WebLinks::address(WebLinks::TurnOffFindMyIPhone));
}

void EraseTipDialog::slotPopupFindMyiPhone(QString)
{
    WebLinks::open(WebLinks::address(WebLinks::FindMyIPhoneStillOn));
}

void EraseTipDialog::slotIsEncrypt(QString)
{
    WebLinks::open(WebLinks::address(WebLinks::RemoveBackupEncryption));
}

void EraseTipDialog::slotTryAgain()
{
    emit onTryAgain();
}

void EraseTipDialog::slotCheckLock()
{
    emit onCheckTimer();
    // Unlocked meanwhile: the dialog has nothing left to say.
    if (!CController::GetInstance()->IsDeviceLocked())
        slotContinue();
}

void EraseTipDialog::slotContinue()
{
    if (m_lockTimer)
        m_lockTimer->stop();
    accept();
}

void EraseTipDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The dialog may be shown again and again while the device stays locked.
    if (m_lockTimer)
        m_lockTimer->start();
}

void EraseTipDialog::done(int result)
{
    if (m_lockTimer)
        m_lockTimer->stop();
    emit onCloseDialog();
    QDialog::done(result);
}
