#include "DevConnectNullView.h"

#include "AppStyle.h"
#include "DeviceConnectNullTipDialog.h"
#include "SkinImage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

DevConnectNullView::DevConnectNullView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("devConnectNullView"));
    const AppStyle& style = AppStyle::instance();

    auto* animation = new QLabel(this);
    animation->setObjectName(QStringLiteral("deviceNotConnectAnimation"));
    animation->setAlignment(Qt::AlignCenter);
    m_movie = new QMovie(SkinImagePath(QStringLiteral("device_not_connect.gif")), QByteArray(), this);
    if (m_movie->isValid()) {
        animation->setMovie(m_movie);
        m_movie->start();
    }

    auto* heading = new QLabel(tr("Please Connect Your iOS Device to PC"), this);
    heading->setObjectName(QStringLiteral("connectHeading"));
    heading->setFont(style.font(26));
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(QStringLiteral("color: #3c4449;"));

    auto* question = new QLabel(this);
    question->setPixmap(SkinPixmap(QStringLiteral("question_mark.png")));
    auto* link = new QLabel(QStringLiteral("<a href=\"11\" style=\"color:#2990ff; text-decoration:none;\">%1</a>")
                                .arg(tr("Is your iDevice not being recognized?").toHtmlEscaped()),
                            this);
    link->setObjectName(QStringLiteral("notRecognizedLink"));
    link->setAccessibleName(tr("Is your iDevice not being recognized?"));
    link->setFont(style.font(8));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setCursor(Qt::PointingHandCursor);
    connect(link, &QLabel::linkActivated, this, &DevConnectNullView::slotDeviceTip);

    auto* helpRow = new QHBoxLayout;
    helpRow->addStretch();
    helpRow->addWidget(question);
    helpRow->addSpacing(6);
    helpRow->addWidget(link);
    helpRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(animation, 0, Qt::AlignHCenter);
    layout->addSpacing(28);
    layout->addWidget(heading);
    layout->addSpacing(14);
    layout->addLayout(helpRow);
    layout->addStretch(3);
}

void DevConnectNullView::slotDeviceTip(QString)
{
    // A link can still fire from a page that was switched away; then it means nothing.
    if (!isVisible())
        return;
    DeviceConnectNullTipDialog dialog(this);
    dialog.exec();
}
