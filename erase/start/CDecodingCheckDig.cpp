#include "CDecodingCheckDig.h"

#include "AppStyle.h"
#include "DialogButton.h"
#include "OvStyleWidgetTitle.h"
#include "SkinImage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDecodingCheckDig::CDecodingCheckDig(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("decodingCheckDialog"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setFixedWidth(460);
    const QString title = tr("Backup Password");
    setWindowTitle(title);
    setAccessibleName(title);

    auto* face = new QFrame(this);
    face->setObjectName(QStringLiteral("decodingFace"));
    face->setStyleSheet(QStringLiteral("QFrame#decodingFace{background:white;border:1px solid #d6e4f2;}"));
    auto* titleBar = new OvStyleWidgetTitle(face);
    titleBar->SetTitle(title);
    titleBar->SetMoveWidget(this);

    auto* text = new QLabel(tr("Your iTunes backup had been password-encrypted. Please enter your password here to "
                               "decrypt it. "),
                            face);
    text->setObjectName(QStringLiteral("decodingText"));
    text->setWordWrap(true);
    text->setFont(AppStyle::instance().font(8));

    auto* label = new QLabel(tr("  Password"), face);
    label->setObjectName(QStringLiteral("decodingPasswordLabel"));
    m_password = new QLineEdit(face);
    m_password->setObjectName(QStringLiteral("decodingPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setAccessibleName(tr("Password"));
    label->setBuddy(m_password);

    m_warningIcon = new QLabel(face);
    m_warningIcon->setObjectName(QStringLiteral("decodingWarningIcon"));
    m_warningIcon->setPixmap(SkinScaled(SkinPixmap(QStringLiteral("tip_warning.png")), QSize(16, 16)));
    m_warningIcon->hide();
    m_warning = new QLabel(face);
    m_warning->setObjectName(QStringLiteral("decodingWarning"));
    m_warning->setStyleSheet(QStringLiteral("color:#e8453c;"));
    m_warning->hide();

    auto* ok = MakeDialogButton(QStringLiteral("decodingOkButton"), tr("OK"), true, face);
    ok->setDefault(true);
    auto* back = MakeDialogButton(QStringLiteral("decodingReturnButton"), tr("Return"), false, face);
    connect(ok, &QPushButton::clicked, this, &CDecodingCheckDig::slotConfirm);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_password, &QLineEdit::returnPressed, this, &CDecodingCheckDig::slotConfirm);

    auto* entry = new QHBoxLayout;
    entry->addWidget(label);
    entry->addWidget(m_password, 1);
    auto* warningRow = new QHBoxLayout;
    warningRow->addWidget(m_warningIcon);
    warningRow->addWidget(m_warning, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addWidget(ok);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(20, 12, 20, 18);
    body->addWidget(text);
    body->addSpacing(8);
    body->addLayout(entry);
    body->addLayout(warningRow);
    body->addSpacing(8);
    body->addLayout(buttons);
    auto* faceLayout = new QVBoxLayout(face);
    faceLayout->setContentsMargins(0, 0, 0, 0);
    faceLayout->addWidget(titleBar);
    faceLayout->addLayout(body);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(face);
    m_password->setFocus();
}

QString CDecodingCheckDig::password() const
{
    return m_password->text();
}

QString CDecodingCheckDig::warningText() const
{
    return m_warning->isHidden() ? QString() : m_warning->text();
}

void CDecodingCheckDig::slotConfirm()
{
    if (m_password->text().isEmpty()) {
        m_warning->setText(tr("Password can not be empty!"));
        m_warning->show();
        m_warningIcon->show();
        m_password->setFocus();
        return;
    }
    accept();
}
