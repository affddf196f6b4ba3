#include "LanguageSelectView.h"

#include "AppPaths.h"
#include "AppStyle.h"
#include "DialogButton.h"
#include "LanguageTable.h"
#include "OvStyleComboBox.h"
#include "OvStyleWidgetTitle.h"
#include "Translation.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Each language in its own words, in the order of LanguageTable.
const char* const kNativeNames[] = {
    "English", "中文简体", "Español", "Italiano", "Français", "日本語", "Português", "Nederlands", "Deutsch",
};

} // namespace

LanguageSelectView::LanguageSelectView(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("languageSelectView"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowTitle(tr("Language"));
    setFixedWidth(420);

    auto* face = new QFrame(this);
    face->setObjectName(QStringLiteral("languageFace"));
    face->setStyleSheet(QStringLiteral("QFrame#languageFace{background:white;border:1px solid #d6e4f2;}"));
    auto* title = new OvStyleWidgetTitle(face);
    title->SetTitle(tr("Language"));
    title->SetMoveWidget(this);

    auto* prompt = new QLabel(tr("Please select a language"), face);
    prompt->setFont(AppStyle::instance().font(8));
    m_combo = new OvStyleComboBox(face);
    m_combo->setObjectName(QStringLiteral("languageCombo"));
    m_combo->setAccessibleName(tr("Please select a language"));
    for (const char* name : kNativeNames)
        m_combo->addItem(QString::fromUtf8(name));
    auto* note = new QLabel(tr("The progam will restart to apply your changes. Please wait."), face);
    note->setWordWrap(true);
    note->setFont(AppStyle::instance().font(0));
    note->setStyleSheet(QStringLiteral("color:#616c72;"));

    auto* ok = MakeDialogButton(QStringLiteral("languageOkButton"), tr("OK"), true, face);
    auto* cancel = MakeDialogButton(QStringLiteral("languageCancelButton"), tr("Cancel"), false, face);
    connect(ok, &QPushButton::clicked, this, &LanguageSelectView::writeText);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(24, 16, 24, 20);
    body->setSpacing(10);
    body->addWidget(prompt);
    body->addWidget(m_combo);
    body->addWidget(note);
    body->addSpacing(6);
    body->addLayout(buttons);
    auto* faceLayout = new QVBoxLayout(face);
    faceLayout->setContentsMargins(0, 0, 0, 0);
    faceLayout->addWidget(title);
    faceLayout->addLayout(body);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(face);

    const QString appDir = applicationDirectory();
    QFile file(languageFilePath(appDir));
    if (QDir(translationDirectory(appDir)).exists() && file.open(QIODevice::ReadOnly)) {
        const QString stored = QString::fromLocal8Bit(file.readAll());
        for (int i = 0; i < LanguageTable::count(); ++i) {
            if (stored == QLatin1String(LanguageTable::row(i).englishName)) {
                m_storedIndex = i;
                break;
            }
        }
    }
    m_combo->setCurrentIndex(qMin(m_storedIndex, m_combo->count() - 1));
}

void LanguageSelectView::writeText()
{
    int index = m_combo->currentIndex();
    if (index == m_storedIndex) {
        close();
        return;
    }
    if (index < 0 || index >= LanguageTable::count())
        index = 0;
    m_storedIndex = index;
    QFile file(languageFilePath(applicationDirectory()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(QString::fromLatin1(LanguageTable::row(index).englishName).toLocal8Bit());
    file.flush();
    file.close();
    emit LanguageChangeCloseService();
}
