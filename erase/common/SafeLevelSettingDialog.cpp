#include "SafeLevelSettingDialog.h"

#include "AppPaths.h"
#include "AppStyle.h"
#include "DialogButton.h"
#include "MainWindowAccess.h"
#include "OvStyleWidgetTitle.h"

#include <QButtonGroup>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SafeLevelSettingDialog::SafeLevelSettingDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("safeLevelSettingDialog"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowTitle(tr("Set Security Level"));
    setFixedWidth(560);
    const AppStyle& style = AppStyle::instance();

    auto* face = new QFrame(this);
    face->setObjectName(QStringLiteral("levelFace"));
    face->setStyleSheet(QStringLiteral("QFrame#levelFace{background:white;border:1px solid #d6e4f2;}"));
    auto* title = new OvStyleWidgetTitle(face);
    title->SetTitle(windowTitle());
    title->SetMoveWidget(this);

    struct Choice
    {
        int level;
        QString text;
        QString description;
        bool rich;
    };
    const Choice choices[] = {
        { 2, tr("Low Level (Quick Erasure)"),
          tr("The fastest channel to permanently delete your data, it's twice faster than the others. It will "
             "destroy your data to make sure that the files are not recoverable."),
          false },
        { 1, tr("Medium Level (1 Time, Recommended)"),
          tr("Velmora Dravo Pro will totally overwrite your private data to make sure that the files are 100% "
             "unrecoverable."),
          true },
        { 0, tr("High Level (2 Times)"),
          tr("This option is highly recommended if you saved any private files (e.g. bank records, passwords, "
             "financial data, etc.) on your device. The applied security standard is according to the U.S. DoD "
             "5220.22-M."),
          true },
    };

    auto* body = new QVBoxLayout;
    body->setContentsMargins(24, 14, 24, 20);
    body->setSpacing(6);
    m_levels = new QButtonGroup(this);
    m_levels->setExclusive(true);
    for (const Choice& choice : choices) {
        auto* radio = new QRadioButton(choice.text, face);
        radio->setObjectName(QStringLiteral("levelRadio%1").arg(choice.level));
        radio->setAccessibleName(choice.text);
        radio->setFont(style.font(9));
        m_levels->addButton(radio, choice.level);
        auto* description = new QLabel(face);
        description->setWordWrap(true);
        description->setFont(style.font(0));
        description->setStyleSheet(QStringLiteral("color:#616c72; margin-left:22px;"));
        if (choice.rich)
            description->setText(QStringLiteral("<p>%1</p>").arg(choice.description.toHtmlEscaped()));
        else
            description->setText(choice.description);
        body->addWidget(radio);
        body->addWidget(description);
        body->addSpacing(6);
    }

    auto* ok = MakeDialogButton(QStringLiteral("levelOkButton"), tr("OK"), true, face);
    auto* cancel = MakeDialogButton(QStringLiteral("levelCancelButton"), tr("Cancel"), false, face);
    connect(ok, &QPushButton::clicked, this, &SafeLevelSettingDialog::slotSettinLevel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    body->addLayout(buttons);

    auto* faceLayout = new QVBoxLayout(face);
    faceLayout->setContentsMargins(0, 0, 0, 0);
    faceLayout->addWidget(title);
    faceLayout->addLayout(body);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(face);

    const int stored = ReadLevelFile();
    setCheckedLevel(stored >= 0 ? stored : MainWindowAccess::securityLevel());
}

QString SafeLevelSettingDialog::LevelFilePath()
{
    return applicationDirectory() + QStringLiteral("/Level");
}

int SafeLevelSettingDialog::ReadLevelFile()
{
    QFile file(LevelFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const int level = QString::fromLatin1(file.readAll()).trimmed().toInt(&ok);
    return ok && level >= 0 && level <= 2 ? level : -1;
}

void SafeLevelSettingDialog::EnsureLevelFile()
{
    QFile file(LevelFilePath());
    if (!file.exists() && file.open(QIODevice::WriteOnly))
        file.write("1");
}

QString SafeLevelSettingDialog::LevelName(int level)
{
    switch (level) {
    case 0:
        return tr("High");
    case 2:
        return tr("Low");
    default:
        return tr("Medium");
    }
}

int SafeLevelSettingDialog::checkedLevel() const
{
    return m_levels->checkedId();
}

void SafeLevelSettingDialog::setCheckedLevel(int level)
{
    if (QAbstractButton* button = m_levels->button(level))
        button->setChecked(true);
}

void SafeLevelSettingDialog::slotSettinLevel()
{
    const int level = checkedLevel();
    QFile file(LevelFilePath());
    if (level < 0 || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(QByteArray::number(level));
    file.close();
    MainWindowAccess::setSecurityLevel(level);
    emit onSettingLevel(level);
    accept();
}

int SafeLevelSettingDialog::FillPasses(int level)
{
    switch (level) {
    case 0:
        return 2;
    case 2:
        return 0;
    default:
        return 1;
    }
}
