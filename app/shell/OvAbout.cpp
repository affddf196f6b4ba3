#include "OvAbout.h"

#include "AppStyle.h"
#include "FileVersion.h"
#include "OvStyleWidgetTitle.h"
#include "SkinImage.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

OvAbout::OvAbout(QWidget* parent)
    : OvStyleDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About"));
    setFixedWidth(440);
    const AppStyle& style = AppStyle::instance();

    auto* face = new QFrame(this);
    face->setObjectName(QStringLiteral("aboutFace"));
    face->setStyleSheet(
        QStringLiteral("QFrame#aboutFace{background:white;border:1px solid #d6e4f2;border-radius:6px;}"));
    auto* title = new OvStyleWidgetTitle(face);
    title->SetTitle(tr("About"));
    title->SetMoveWidget(this);

    auto* icon = new QLabel(face);
    icon->setPixmap(SkinPixmap(QStringLiteral("/dravofree_icon_40.png")));
    icon->setAlignment(Qt::AlignCenter);
    auto* name = new QLabel(QStringLiteral("Velmora Dravo Free"), face);
    name->setObjectName(QStringLiteral("aboutProductName"));
    name->setFont(style.font(21));
    name->setAlignment(Qt::AlignCenter);
    auto* line = new QLabel(tr("Permanently Erase Your Private Data from iPhone/iPad/iPod!"), face);
    line->setFont(style.font(8));
    line->setAlignment(Qt::AlignCenter);
    line->setWordWrap(true);
    auto* version = new QLabel(tr("Version %1").arg(QString::fromStdString(RunningExecutableFileVersion())), face);
    version->setObjectName(QStringLiteral("aboutVersion"));
    version->setFont(style.font(0));
    version->setAlignment(Qt::AlignCenter);
    version->setStyleSheet(QStringLiteral("color:#616c72;"));
    auto* credits = new QLabel(
        tr("Copyright © %1 Velmora Software. All rights reserved.").arg(QDate::currentDate().year()), face);
    credits->setFont(style.font(4));
    credits->setAlignment(Qt::AlignCenter);
    credits->setWordWrap(true); // longer than the dialog in several languages
    credits->setStyleSheet(QStringLiteral("color:#a9a9a9;"));

    auto* body = new QVBoxLayout;
    body->setContentsMargins(24, 18, 24, 24);
    body->setSpacing(8);
    body->addWidget(icon);
    body->addWidget(name);
    body->addWidget(line);
    body->addWidget(version);
    body->addSpacing(8);
    body->addWidget(credits);
    auto* faceLayout = new QVBoxLayout(face);
    faceLayout->setContentsMargins(0, 0, 0, 0);
    faceLayout->addWidget(title);
    faceLayout->addLayout(body);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(kShadowMargin, kShadowMargin, kShadowMargin, kShadowMargin);
    outer->addWidget(face);
}
