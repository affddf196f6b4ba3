#include "DevConnectView.h"

#include "AppStyle.h"
#include "SkinImage.h"

#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

DevConnectView::DevConnectView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("devConnectView"));
    auto* animation = new QLabel(this);
    animation->setObjectName(QStringLiteral("deviceConnectAnimation"));
    auto* movie = new QMovie(SkinImagePath(QStringLiteral("device_connect.gif")), QByteArray(), this);
    if (movie->isValid()) {
        animation->setMovie(movie);
        movie->start();
    }
    auto* text = new QLabel(tr("Connecting the device, please wait for a moment..."), this);
    text->setObjectName(QStringLiteral("connectingText"));
    text->setFont(AppStyle::instance().font(20));
    text->setAlignment(Qt::AlignCenter);
    text->setStyleSheet(QStringLiteral("color: #3c4449;"));

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(animation, 0, Qt::AlignHCenter);
    layout->addSpacing(28);
    layout->addWidget(text);
    layout->addStretch(3);
}
