#include "EraseAllDataView.h"

#include "CController.h"
#include "DialogButton.h"
#include "ErasePageParts.h"
#include "MainWindowAccess.h"
#include "OvMessageBox.h"
#include "SafeLevelSettingDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

EraseAllDataView::EraseAllDataView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("eraseAllDataView"));
    QLabel* picture = MakeErasePicture(QStringLiteral("eraseAllPicture"),
                                       QStringLiteral("/erase_all_data_safe_confirm_icon.png"), this);
    QLabel* title = MakeEraseText(QStringLiteral("eraseAllTitle"), tr("Erase All Data"), 22, this);

    auto* text = new QVBoxLayout;
    text->setSpacing(8);
    text->addWidget(title);
    for (const QString& precaution :
         { tr("1. Please close all background apps, such as Music, Navigation, etc."),
           tr("2. If there are any apps updating on the device, please wait for them to complete."),
           tr("3. Please make sure you have backed up any needed data.") })
        text->addWidget(MakeEraseText(QStringLiteral("precaution"), precaution, 13, this));

    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(MakeEraseText(QStringLiteral("levelCaption"), tr("Security Level:"), 13, this));
    m_levelLink = MakeEraseLink(QStringLiteral("levelLink"), QString(), QStringLiteral("level"), this);
    connect(m_levelLink, &QLabel::linkActivated, this, &EraseAllDataView::slotSettingEraseLevel);
    levelRow->addWidget(m_levelLink);
    levelRow->addStretch();
    text->addLayout(levelRow);

    auto* wordRow = new QHBoxLayout;
    QLabel* please = MakeEraseText(QStringLiteral("typePlease"), tr("Please type"), 13, this);
    QLabel* word = MakeEraseText(QStringLiteral("typeWord"), tr("'delete'"), 13, this);
    word->setStyleSheet(QStringLiteral("color:#e5483d;"));
    m_word = new QLineEdit(this);
    m_word->setObjectName(QStringLiteral("deleteWordEdit"));
    m_word->setFixedWidth(120);
    m_word->setAccessibleName(tr("Please type") + QLatin1Char(' ') + tr("'delete'") + QLatin1Char(' ')
                              + tr("to confirm."));
    please->setBuddy(m_word);
    QLabel* confirm = MakeEraseText(QStringLiteral("typeConfirm"), tr("to confirm."), 13, this);
    for (QLabel* label : { please, word, confirm })
        label->setWordWrap(false);
    wordRow->addWidget(please);
    wordRow->addWidget(word);
    wordRow->addWidget(m_word);
    wordRow->addWidget(confirm);
    wordRow->addStretch();
    text->addLayout(wordRow);

    auto* body = new QHBoxLayout;
    body->addWidget(picture, 0, Qt::AlignTop);
    body->addSpacing(24);
    body->addLayout(text, 1);

    auto* home = MakeDialogButton(QStringLiteral("eraseAllHomeButton"), tr("     Home"), false, this);
    home->setAccessibleName(tr("Home"));
    m_eraseNow = MakeDialogButton(QStringLiteral("eraseAllEraseNowButton"), tr("Erase Now"), true, this);
    m_eraseNow->setAccessibleName(m_eraseNow->text());
    connect(home, &QPushButton::clicked, this, &EraseAllDataView::slotBackHome);
    connect(m_eraseNow, &QPushButton::clicked, this, &EraseAllDataView::slotErase);
    // Enter in the word field confirms, as the button would.
    connect(m_word, &QLineEdit::returnPressed, this, &EraseAllDataView::slotErase);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(home);
    buttons->addWidget(m_eraseNow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(60, 40, 60, 30);
    layout->addStretch(1);
    layout->addLayout(body);
    layout->addStretch(2);
    layout->addLayout(buttons);

    setTabOrder(m_levelLink, m_word);
    setTabOrder(m_word, m_eraseNow);
    setTabOrder(m_eraseNow, home);
    slotSettingLevel(MainWindowAccess::securityLevel());
}

void EraseAllDataView::slotErase()
{
    const QString typed = m_word->text().simplified();
    QPointer<EraseAllDataView> self(this);
    if (typed.compare(tr("delete"), Qt::CaseInsensitive) != 0) {
        OvMessageBox::Ask(this, tr("Sorry, the input is not correct. Please type \"delete\" again."), OvMessageBox::OK,
                          QStringLiteral("/tip_warning.png"), tr("Attention"));
        if (self)
            m_word->clear();
        return;
    }
    const int answer = OvMessageBox::Ask(
        this, tr("This will completely erase all data of your device. Are you sure you want to continue?"),
        OvMessageBox::Yes | OvMessageBox::No, QString(), QString(), tr("Continue"), tr("Cancel"));
    // The device may have left, and the window reset this page, while the question waited.
    if (!self || answer != OvMessageBox::Yes || !isVisible())
        return;
    MainWindowAccess* window = MainWindowAccess::instance();
    if (window)
        window->enableTabs(false);
    if (!CController::GetInstance()->PostBackupDevDataTask()) {
        if (window)
            window->enableTabs(true);
        OvMessageBox::Ask(this, tr("The device is not connected. Please connect it and try again."), OvMessageBox::OK,
                          QStringLiteral("/tip_warning.png"), tr("Attention"));
        return;
    }
    emit onFillTime(m_fillPasses);
    emit onErase(2);
}

void EraseAllDataView::slotSettingEraseLevel()
{
    SafeLevelSettingDialog dialog(this);
    connect(&dialog, &SafeLevelSettingDialog::onSettingLevel, this, &EraseAllDataView::slotSettingLevel);
    dialog.exec();
}

void EraseAllDataView::slotSettingLevel(int level)
{
    m_level = level >= 0 && level <= 2 ? level : 1;
    m_fillPasses = SafeLevelSettingDialog::FillPasses(m_level);
    SetEraseLinkText(m_levelLink, SafeLevelSettingDialog::LevelName(m_level), QStringLiteral("level"));
}

void EraseAllDataView::slotBackHome()
{
    m_word->clear();
    emit onBackHome(0);
}

void EraseAllDataView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The Tools menu may have changed the level while another page showed.
    slotSettingLevel(MainWindowAccess::securityLevel());
}

void EraseAllDataView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        m_word->clear();
}
